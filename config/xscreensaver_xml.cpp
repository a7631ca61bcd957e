// The xscreensaver settings page, one control per setting that means
// something in the daemon's window.
#include "config/xscreensaver_xml.h"

#include <ostream>
#include <string>

#include "app/frame_pacer.h"
#include "app/settings_field.h"

namespace {

// The characters XML gives a meaning in text and attributes, and the entity
// written for each.
const std::string xmlSpecials = "&<>\"";
const char* const xmlEntities[] = {"&amp;", "&lt;", "&gt;", "&quot;"};

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    const size_t special = xmlSpecials.find(c);
    out += special == std::string::npos ? std::string(1, c) : xmlEntities[special];
  }
  return out;
}

std::string option(const SettingsField& field, const std::string& value) {
  return "--" + std::string(field.name) + "=" + value;
}

// The daemon decides the window's size and when the show ends, so the
// resolution and the mouse rule mean nothing there; a fixed frame clock is
// for benchmarks.
bool appliesInHostWindow(const SettingsField& field) {
  return field.store != ReservedField && field.word != &Settings::resolutionIndex &&
         field.flag != &Settings::quitOnMouseMove && field.word != &Settings::frameClock;
}

// A check box passes only the value that differs from the default, the
// way the daemon's pages do; a choice leaves its default option bare.
void writeField(std::ostream& out, const SettingsField& field) {
  const std::string id = field.name;
  const std::string label = escaped(plainLabel(field.label));
  if (field.kind == FieldFlag && field.control == RadioPairControl) {
    out << "  <select id=\"" << id << "\">\n";
    for (int i = 0; i < 2; ++i) {
      const bool on = (i == 0) == field.firstChoiceOn;
      out << "    <option id=\"" << id << (on ? "On" : "Off") << "\" _label=\"" << label << ": "
          << escaped(plainLabel(field.choices[i])) << "\"";
      if (on != (field.defaultValue != 0)) out << " arg-set=\"" << option(field, on ? "1" : "0") << "\"";
      out << "/>\n";
    }
    out << "  </select>\n";
  } else if (field.kind == FieldFlag) {
    out << "  <boolean id=\"" << id << "\" _label=\"" << label << "\" "
        << (field.defaultValue ? "arg-unset" : "arg-set") << "=\"" << option(field, field.defaultValue ? "0" : "1")
        << "\"/>\n";
  } else if (field.kind == FieldWord) {
    // The frame cap's default depends on the renderer; the page offers the
    // one for GPUs, and leaving it there lets the show choose.
    const uint32_t shownDefault =
        field.defaultValue == FramePacer::rendererDefault ? FramePacer::defaultRate : field.defaultValue;
    out << "  <number id=\"" << id << "\" type=\"spinbutton\" _label=\"" << label << "\" arg=\"" << option(field, "%")
        << "\" low=\"0\" high=\"" << field.maxValue << "\" default=\"" << shownDefault << "\"/>\n";
  }
}

}  // namespace

void writeXscreensaverXml(std::ostream& out) {
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n\n"
      << "<screensaver name=\"orvel-kite\" _label=\"Orvel Kite\" gl=\"yes\">\n\n"
      << "  <command arg=\"-root\"/>\n\n";
  // The dialog's order first, then the options that have no place there.
  for (const SettingsField* field : settingsFieldsInDialogOrder())
    if (appliesInHostWindow(*field)) writeField(out, *field);
  for (int i = 0; i < settingsFieldCount; ++i)
    if (settingsFields[i].dialogPlace == 0 && appliesInHostWindow(settingsFields[i]))
      writeField(out, settingsFields[i]);
  out << "\n  <_description>\n"
      << "A snowy valley turns slowly under falling snow, with a calendar page\n"
      << "of the month and a clock in the corners. Unless the frame rate is set,\n"
      << "it draws at most 60 frames a second, 30 where GL runs on the CPU.\n"
      << "  </_description>\n"
      << "</screensaver>\n";
}
