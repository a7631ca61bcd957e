// ConfigDialog: one window with every user choice of the settings record.
// Choices that mean nothing with the others as they are stay visible but
// greyed out, so the layout never jumps.
#include "config/config_dialog.h"

#include <gtk/gtk.h>

#include <cstdio>

#include "config/settings_field.h"
#include "config/settings_file.h"

namespace {

struct DialogWidgets {
  GtkWidget* showClock;
  GtkWidget* analog;
  GtkWidget* digital;
  GtkWidget* hours12;
  GtkWidget* hours24;
  GtkWidget* large;
  GtkWidget* small;
  GtkWidget* styleLabels[3];
  GtkWidget* showCalendar;
  GtkWidget* russian;
  GtkWidget* resolution;
  GtkWidget* showFps;
  GtkWidget* quitOnMouse;
};

bool active(GtkWidget* w) { return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(w)); }
void setActive(GtkWidget* w, bool on) { gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w), on); }

// The record as the widgets show it; fields without a widget come from base.
Settings choicesOf(const DialogWidgets& d, const Settings& base) {
  Settings r = base;
  r.showClock = active(d.showClock);
  r.analogClock = active(d.analog);
  r.clock24h = active(d.hours24);
  r.largeClock = active(d.large);
  r.showCalendar = active(d.showCalendar);
  r.russianCalendar = active(d.russian);
  r.showFps = active(d.showFps);
  r.quitOnMouseMove = active(d.quitOnMouse);
  // An index past the table reads as the desktop; it is kept unless the
  // user picks another row.
  int row = gtk_combo_box_get_active(GTK_COMBO_BOX(d.resolution));
  if (!(row == 0 && base.resolutionIndex >= resolutionRowCount)) r.resolutionIndex = row < 0 ? 0 : row;
  return r;
}

void updateAvailability(GtkToggleButton*, gpointer data) {
  DialogWidgets* d = static_cast<DialogWidgets*>(data);
  ChoiceAvailability a = choiceAvailability(choicesOf(*d, Settings()));
  GtkWidget* style[] = {d->analog, d->digital, d->large, d->small, d->styleLabels[0], d->styleLabels[2]};
  for (GtkWidget* w : style) gtk_widget_set_sensitive(w, a.clockStyle);
  gtk_widget_set_sensitive(d->hours12, a.hourFormat);
  gtk_widget_set_sensitive(d->hours24, a.hourFormat);
  gtk_widget_set_sensitive(d->styleLabels[1], a.hourFormat);
  gtk_widget_set_sensitive(d->russian, a.russian);
}

GtkWidget* sectionTitle(const char* text) {
  GtkWidget* label = gtk_label_new(nullptr);
  char* markup = g_markup_printf_escaped("<b>%s</b>", text);
  gtk_label_set_markup(GTK_LABEL(label), markup);
  g_free(markup);
  gtk_widget_set_halign(label, GTK_ALIGN_START);
  return label;
}

GtkWidget* rowLabel(const char* text) {
  GtkWidget* label = gtk_label_new(text);
  gtk_widget_set_halign(label, GTK_ALIGN_START);
  gtk_widget_set_margin_start(label, 24);
  return label;
}

// A check button alone on a full row, indented by margin.
GtkWidget* checkRow(GtkGrid* grid, int top, const char* text, int margin) {
  GtkWidget* check = gtk_check_button_new_with_mnemonic(text);
  gtk_widget_set_margin_start(check, margin);
  gtk_grid_attach(grid, check, 0, top, 3, 1);
  return check;
}

// A section title on a full row, with a gap above all but the first.
void titleRow(GtkGrid* grid, int top, const char* text) {
  GtkWidget* title = sectionTitle(text);
  if (top > 0) gtk_widget_set_margin_top(title, 12);
  gtk_grid_attach(grid, title, 0, top, 3, 1);
}

// A row of two radio buttons; returns the second, the first through first.
GtkWidget* radioPair(GtkGrid* grid, int top, GtkWidget* label, const char* a, const char* b, GtkWidget** first) {
  *first = gtk_radio_button_new_with_mnemonic(nullptr, a);
  GtkWidget* second = gtk_radio_button_new_with_mnemonic_from_widget(GTK_RADIO_BUTTON(*first), b);
  gtk_grid_attach(grid, label, 0, top, 1, 1);
  gtk_grid_attach(grid, *first, 1, top, 1, 1);
  gtk_grid_attach(grid, second, 2, top, 1, 1);
  return second;
}

GtkWidget* buildChoices(DialogWidgets& d) {
  GtkGrid* grid = GTK_GRID(gtk_grid_new());
  gtk_grid_set_row_spacing(grid, 6);
  gtk_grid_set_column_spacing(grid, 18);
  int top = 0;

  titleRow(grid, top++, "Clock");
  d.showClock = checkRow(grid, top++, "Show the cloc_k", 12);
  d.styleLabels[0] = rowLabel("Face");
  d.digital = radioPair(grid, top++, d.styleLabels[0], "_Analog", "_Digital", &d.analog);
  d.styleLabels[1] = rowLabel("Hours");
  d.hours24 = radioPair(grid, top++, d.styleLabels[1], "_12 hours", "_24 hours", &d.hours12);
  d.styleLabels[2] = rowLabel("Size");
  d.small = radioPair(grid, top++, d.styleLabels[2], "_Large", "_Small", &d.large);

  titleRow(grid, top++, "Calendar");
  d.showCalendar = checkRow(grid, top++, "Show the cal_endar", 12);
  d.russian = checkRow(grid, top++, "Russ_ian calendar", 36);

  titleRow(grid, top++, "Show");
  GtkWidget* resolutionLabelWidget = gtk_label_new_with_mnemonic("_Resolution");
  gtk_widget_set_halign(resolutionLabelWidget, GTK_ALIGN_START);
  gtk_widget_set_margin_start(resolutionLabelWidget, 12);
  d.resolution = gtk_combo_box_text_new();
  for (uint32_t row = 0; row < resolutionRowCount; ++row)
    gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(d.resolution), resolutionLabel(row).c_str());
  gtk_label_set_mnemonic_widget(GTK_LABEL(resolutionLabelWidget), d.resolution);
  gtk_grid_attach(grid, resolutionLabelWidget, 0, top, 1, 1);
  gtk_grid_attach(grid, d.resolution, 1, top++, 2, 1);
  d.showFps = checkRow(grid, top++, "Show _frames per second", 12);
  d.quitOnMouse = checkRow(grid, top++, "_Quit when the mouse moves", 12);
  return GTK_WIDGET(grid);
}

void fill(DialogWidgets& d, const Settings& r) {
  setActive(d.showClock, r.showClock);
  setActive(r.analogClock ? d.analog : d.digital, true);
  setActive(r.clock24h ? d.hours24 : d.hours12, true);
  setActive(r.largeClock ? d.large : d.small, true);
  setActive(d.showCalendar, r.showCalendar);
  setActive(d.russian, r.russianCalendar);
  setActive(d.showFps, r.showFps);
  setActive(d.quitOnMouse, r.quitOnMouseMove);
  gtk_combo_box_set_active(GTK_COMBO_BOX(d.resolution),
                           r.resolutionIndex < resolutionRowCount ? static_cast<int>(r.resolutionIndex) : 0);
}

void showError(GtkWidget* parent, const std::string& text) {
  GtkWidget* m = gtk_message_dialog_new(GTK_WINDOW(parent), GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_CLOSE,
                                        "The settings could not be saved.");
  gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(m), "%s", text.c_str());
  gtk_dialog_run(GTK_DIALOG(m));
  gtk_widget_destroy(m);
}

}  // namespace

int runConfigDialog(int& argc, char**& argv, const std::string& path) {
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "config: cannot open the display; config --help shows the command-line use\n");
    return 1;
  }
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
    // Say so before the user decides: OK replaces what is there.
    std::string text = "The settings file " + path + " could not be used: " + file.problem +
                       ". OK replaces it with the choices below.";
    GtkWidget* warning = gtk_label_new(text.c_str());
    gtk_label_set_line_wrap(GTK_LABEL(warning), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(warning), 48);
    gtk_label_set_xalign(GTK_LABEL(warning), 0);
    gtk_box_pack_start(GTK_BOX(content), warning, FALSE, FALSE, 0);
  }

  DialogWidgets d;
  gtk_box_pack_start(GTK_BOX(content), buildChoices(d), FALSE, FALSE, 0);
  fill(d, file.record);
  GtkWidget* triggers[] = {d.showClock, d.analog, d.digital, d.showCalendar};
  for (GtkWidget* w : triggers) g_signal_connect(w, "toggled", G_CALLBACK(updateAvailability), &d);
  updateAvailability(nullptr, &d);
  gtk_widget_show_all(dialog);

  while (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
    std::string error;
    if (SettingsFile::save(path, choicesOf(d, file.record), error)) break;
    showError(dialog, error);
  }
  gtk_widget_destroy(dialog);
  return 0;
}
