// ConfigDialog: one window with every user choice of the settings record.
// Choices that mean nothing with the others as they are stay visible but
// greyed out, so the layout never jumps.
#include "config/config_dialog.h"

#include <gtk/gtk.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/settings_field.h"
#include "app/settings_file.h"
#include "config/config_command.h"
#include "config/dialog_controls.h"

namespace {

// The widgets of one field of the table: the check box, the two radio
// buttons or the list, and the row label in front of them.
struct FieldWidgets {
  const SettingsField* field;
  GtkWidget* control[2];
  GtkWidget* label;
};

void setActive(GtkWidget* w, bool on) { gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w), on); }

// The toolkit's side of DialogControls; dialog is the vector of FieldWidgets.
const FieldWidgets& widgetsOf(void* dialog, size_t i) { return (*static_cast<std::vector<FieldWidgets>*>(dialog))[i]; }

int readControl(void* dialog, size_t i) {
  const FieldWidgets& w = widgetsOf(dialog, i);
  if (w.field->control == ListControl) return gtk_combo_box_get_active(GTK_COMBO_BOX(w.control[0]));
  return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(w.control[0]));
}

void showControl(void* dialog, size_t i, int value) {
  const FieldWidgets& w = widgetsOf(dialog, i);
  if (w.field->control == ListControl) gtk_combo_box_set_active(GTK_COMBO_BOX(w.control[0]), value);
  if (w.field->control == CheckControl) setActive(w.control[0], value);
  if (w.field->control == RadioPairControl) setActive(w.control[value ? 0 : 1], true);
}

void enableControl(void* dialog, size_t i, bool on) {
  const FieldWidgets& w = widgetsOf(dialog, i);
  for (GtkWidget* c : {w.control[0], w.control[1], w.label})
    if (c) gtk_widget_set_sensitive(c, on);
}

void updateAvailability(GtkToggleButton*, gpointer controls) {
  static_cast<const DialogControls*>(controls)->updateAvailability();
}

GtkWidget* sectionTitle(const char* text) {
  GtkWidget* label = gtk_label_new(nullptr);
  char* markup = g_markup_printf_escaped("<b>%s</b>", text);
  gtk_label_set_markup(GTK_LABEL(label), markup);
  g_free(markup);
  gtk_widget_set_halign(label, GTK_ALIGN_START);
  return label;
}

// One row of the grid for a field; choices that depend on another stand
// indented under it.
FieldWidgets fieldRow(GtkGrid* grid, int top, const SettingsField& f) {
  FieldWidgets w = {&f, {nullptr, nullptr}, nullptr};
  const int margin = f.needs ? 36 : 12;
  if (f.control == CheckControl) {
    w.control[0] = gtk_check_button_new_with_mnemonic(f.label);
    gtk_widget_set_margin_start(w.control[0], margin);
    gtk_grid_attach(grid, w.control[0], 0, top, 3, 1);
    return w;
  }
  w.label = f.control == ListControl ? gtk_label_new_with_mnemonic(f.label) : gtk_label_new(f.label);
  gtk_widget_set_halign(w.label, GTK_ALIGN_START);
  gtk_widget_set_margin_start(w.label, f.needs ? 24 : 12);
  gtk_grid_attach(grid, w.label, 0, top, 1, 1);
  if (f.control == RadioPairControl) {
    w.control[0] = gtk_radio_button_new_with_mnemonic(nullptr, f.choices[0]);
    w.control[1] = gtk_radio_button_new_with_mnemonic_from_widget(GTK_RADIO_BUTTON(w.control[0]), f.choices[1]);
    gtk_grid_attach(grid, w.control[0], 1, top, 1, 1);
    gtk_grid_attach(grid, w.control[1], 2, top, 1, 1);
  } else {
    w.control[0] = gtk_combo_box_text_new();
    for (uint32_t row = 0; row < resolutionRowCount; ++row)
      gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(w.control[0]), resolutionLabel(row).c_str());
    gtk_label_set_mnemonic_widget(GTK_LABEL(w.label), w.control[0]);
    gtk_grid_attach(grid, w.control[0], 1, top, 2, 1);
  }
  return w;
}

GtkWidget* buildChoices(std::vector<FieldWidgets>& widgets, const DialogControls& controls) {
  GtkGrid* grid = GTK_GRID(gtk_grid_new());
  gtk_grid_set_row_spacing(grid, 6);
  gtk_grid_set_column_spacing(grid, 18);
  int top = 0;
  const char* section = nullptr;
  for (const SettingsField* f : controls.fields) {
    if (!section || std::string(section) != f->section) {
      // A section title on a full row, with a gap above all but the first.
      section = f->section;
      GtkWidget* title = sectionTitle(section);
      if (top > 0) gtk_widget_set_margin_top(title, 12);
      gtk_grid_attach(grid, title, 0, top++, 3, 1);
    }
    widgets.push_back(fieldRow(grid, top++, *f));
  }
  return GTK_WIDGET(grid);
}

}  // namespace

// X11 screensaver managers name no owner window; ownerWindow is not used.
// The screensaver's /c reaches the dialog here too, but there is no window
// handle on X11 for it to name.
const char configDialogForm[] = "";

int runConfigDialog(int& argc, char**& argv, const std::string& path, long long) {
  if (!gtk_init_check(&argc, &argv))
    return configReport(std::cerr, 1, "cannot open the display; config --help shows the command-line use");
  SettingsFile file;
  file.load(path);

  GtkWidget* dialog = gtk_dialog_new_with_buttons("Orvel Kite settings", nullptr, GTK_DIALOG_MODAL, "_Cancel",
                                                  GTK_RESPONSE_CANCEL, "_OK", GTK_RESPONSE_OK, nullptr);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
  gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
  gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
  GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
  gtk_container_set_border_width(GTK_CONTAINER(content), 18);
  gtk_box_set_spacing(GTK_BOX(content), 12);

  if (!file.safeToRewrite()) {
    GtkWidget* warning = gtk_label_new(unsoundFileWarning(file, path).c_str());
    gtk_label_set_line_wrap(GTK_LABEL(warning), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(warning), 48);
    gtk_label_set_xalign(GTK_LABEL(warning), 0);
    gtk_box_pack_start(GTK_BOX(content), warning, FALSE, FALSE, 0);
  }

  std::vector<FieldWidgets> widgets;
  DialogControls controls(&widgets, readControl, showControl, enableControl);
  gtk_box_pack_start(GTK_BOX(content), buildChoices(widgets, controls), FALSE, FALSE, 0);
  controls.fill(file.record);
  for (FieldWidgets& w : widgets)
    for (GtkWidget* c : w.control)
      if (c && GTK_IS_TOGGLE_BUTTON(c)) g_signal_connect(c, "toggled", G_CALLBACK(updateAvailability), &controls);
  controls.updateAvailability();
  gtk_widget_show_all(dialog);

  while (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
    std::string error;
    if (saveSettings(path, controls.choices(file.record), error)) break;
    GtkWidget* m = gtk_message_dialog_new(GTK_WINDOW(dialog), GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_CLOSE,
                                          "The settings could not be saved.");
    gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(m), "%s", error.c_str());
    gtk_dialog_run(GTK_DIALOG(m));
    gtk_widget_destroy(m);
  }
  gtk_widget_destroy(dialog);
  return 0;
}
