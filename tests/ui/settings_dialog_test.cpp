// The settings dialog: what OK applies, what takes effect at once and stays
// after Cancel, opening with the game's values, colours, fonts, the
// saved-game file, and the timeout taken through the dialog.
#include "settings_dialog_test.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "engine/actions.h"
#include "test_window.h"
#include "ui/colours.h"
#include "ui/settings_dialog.h"
#include "ui/sound_page.h"
#include "world/section_map.h"
#include "world/sections.h"

namespace tovk::testing {
namespace {

using ui::ColourLabel;
using ui::SettingsDialog;

// The dialog as "Settings" or the Timeout button makes it, shown but not
// modal, so that the test can drive it.
std::unique_ptr<SettingsDialog> Open(TestWindow& w, SettingsPage page) {
  auto dialog = std::make_unique<SettingsDialog>(w.session(), &w);
  dialog->ShowPage(page);
  dialog->show();
  return dialog;
}

// Drives the settings dialog once the window has opened it modally; the
// dialog is closed afterwards in any case, so a failed check cannot hang.
void WhenDialogOpens(std::function<void(SettingsDialog&)> drive) {
  QTimer::singleShot(0, [drive] {
    auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
    QVERIFY2(dialog, "the settings dialog is not open");
    drive(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

QAction* MenuEntry(QMenuBar* bar, const QString& caption) {
  for (QAction* action : bar->actions()) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

// Saves a picture of the dialog when TOVK_SCREENSHOTS names a folder.
void Picture(QWidget& widget, const QString& name) {
  const QString folder = qEnvironmentVariable("TOVK_SCREENSHOTS");
  if (folder.isEmpty()) return;
  widget.grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

}  // namespace

void SettingsDialogTest::okAppliesCallsignCheckAndTimeout() {
  WindowFixture f;
  Game& g = f.window->game();
  auto d = Open(*f.window, SettingsPage::MyStation);
  d->CallsignEdit()->clear();
  QTest::keyClicks(d->CallsignEdit(), "k1abc");
  QCOMPARE(d->CallsignEdit()->text(), QStringLiteral("K1ABC"));  // typed letters become capitals
  d->CheckEdit()->setText(QStringLiteral("77"));
  d->HoursBox()->setValue(1);
  d->MinutesBox()->setValue(20);
  d->OkButton()->click();
  QCOMPARE(d->result(), int(QDialog::Accepted));
  QVERIFY(!d->isVisible());
  // No 3 in the callsign: operated portable in the third call area.
  QCOMPARE(g.Mycall.str(), std::string("K1ABC/3"));
  QCOMPARE(g.CQText.str(), std::string("Tovk de K1ABC/3 SS"));
  QCOMPARE(g.Mycheck.str(), std::string("77"));
  QCOMPARE(g.TimeoutHours, 1);
  QCOMPARE(g.TimeoutMinutes, 20);

  // Unchanged callsign: only the check and the timeout (at its 2 h 30 min).
  g.CQText = "kept";
  auto again = Open(*f.window, SettingsPage::MyStation);
  QCOMPARE(again->CallsignEdit()->text(), QStringLiteral("K1ABC/3"));
  again->CheckEdit()->setText(QStringLiteral("123"));
  again->OkButton()->click();
  QCOMPARE(g.Mycall.str(), std::string("K1ABC/3"));
  QCOMPARE(g.CQText.str(), std::string("kept"));
  QCOMPARE(g.Mycheck.str(), std::string("12"));  // cut to two characters
  QCOMPARE(g.TimeoutHours, 2);
  QCOMPARE(g.TimeoutMinutes, 30);
}

void SettingsDialogTest::okRenamesThePoolStationThatCarriesTheNewCallsign() {
  WindowFixture f;
  Game& g = f.window->game();
  QVERIFY(g.StationMax > 10);
  g.StationCall[7] = "W3XYZ";
  g.StationSection[7] = 40;
  auto d = Open(*f.window, SettingsPage::MyStation);
  d->CallsignEdit()->setText(QStringLiteral("W3XYZ"));
  d->OkButton()->click();
  QCOMPARE(g.StationCall[7].str(), std::string("W3/Q3CCC"));
  QCOMPARE(g.StationSection[7], 14);
  QCOMPARE(g.Mycall.str(), std::string("W3XYZ"));  // a 3 before the end: as typed
}

void SettingsDialogTest::cancelAndCloseBoxKeepOnlyWhatTookEffectAtOnce() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  const std::string call = g.Mycall.str();
  const std::string check = g.Mycheck.str();

  auto d = Open(w, SettingsPage::TimeOut);
  d->MinutesBox()->setValue(45);
  d->CallsignEdit()->setText(QStringLiteral("N0NE"));
  d->CheckEdit()->setText(QStringLiteral("99"));
  d->SideItem(1)->click();  // "Right"
  d->AutoClearBox()->click();
  d->PowerItem(1)->click();  // "1000"
  d->CancelButton()->click();
  QCOMPARE(d->result(), int(QDialog::Rejected));
  QCOMPARE(g.Mycall.str(), call);
  QCOMPARE(g.Mycheck.str(), check);
  QCOMPARE(g.TimeoutHours, 0);
  QCOMPARE(g.TimeoutMinutes, 0);
  QCOMPARE(g.SectionPosition.str(), std::string("R"));
  QVERIFY(w.SectionPanelOnRight());
  QTRY_VERIFY(w.SectionMap()->x() > w.MemoArea()->x());
  QVERIFY(!g.AutoClear);
  QCOMPARE(g.Myprec.str(), std::string("B"));
  QCOMPARE(g.PowerFactor, 10);

  // The close box: the same as Cancel, on any page.
  auto closed = Open(w, SettingsPage::MyStation);
  closed->CallsignEdit()->setText(QStringLiteral("N0NE"));
  closed->SideItem(0)->click();
  closed->close();
  QCOMPARE(closed->result(), int(QDialog::Rejected));
  QCOMPARE(g.Mycall.str(), call);
  QCOMPARE(g.TimeoutMinutes, 0);
  QVERIFY(!w.SectionPanelOnRight());
  QTRY_VERIFY(w.SectionMap()->x() < w.MemoArea()->x());
}

void SettingsDialogTest::cancelIsOfferedOnlyOnTheTimeOutPage() {
  WindowFixture f;
  auto d = Open(*f.window, SettingsPage::MyStation);
  QCOMPARE(d->Notebook()->currentIndex(), 1);
  QVERIFY(!d->CancelButton()->isVisible());
  QVERIFY(d->OkButton()->isVisible());
  d->Notebook()->setCurrentIndex(0);
  QVERIFY(d->CancelButton()->isVisible());
  d->Notebook()->setCurrentIndex(3);
  QVERIFY(!d->CancelButton()->isVisible());

  auto timeOut = Open(*f.window, SettingsPage::TimeOut);
  QCOMPARE(timeOut->Notebook()->tabText(timeOut->Notebook()->currentIndex()),
           QStringLiteral("Time out"));
  QVERIFY(timeOut->CancelButton()->isVisible());
}

void SettingsDialogTest::openingLoadsTheGameAndRederivesPowerAndSide() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  g.Mycall = "K3LR";
  g.Mycheck = "64";
  g.SavedGameFile = (f.Folder() / "games" / "weekend.sav").string();
  g.Myprec = "Q";  // an odd value from a hand-edited settings file
  g.PowerFactor = 40;
  g.SectionPosition = "R";
  g.TimeoutHours = 0;
  g.TimeoutMinutes = 50;
  w.move(100, 80);

  auto d = Open(w, SettingsPage::MyStation);
  QCOMPARE(d->CallsignEdit()->text(), QStringLiteral("K3LR"));
  QCOMPARE(d->CheckEdit()->text(), QStringLiteral("64"));
  QCOMPARE(d->SavedGameEdit()->text(), QStringLiteral("weekend.sav"));
  // The spin boxes open at their own values, not the last timeout.
  QCOMPARE(d->HoursBox()->value(), 2);
  QCOMPARE(d->MinutesBox()->value(), 30);
  QVERIFY(d->PowerItem(1)->isChecked());
  QCOMPARE(g.Myprec.str(), std::string("B"));
  QCOMPARE(g.PowerFactor, 10);
  QVERIFY(d->SideItem(1)->isChecked());
  QVERIFY(w.SectionPanelOnRight());
  // Centred over the main window, fixed in size.
  QCOMPARE(d->x(), w.x() + w.width() / 2 - d->width() / 2);
  QCOMPARE(d->y(), w.y() + w.height() / 2 - d->height() / 2);
  QCOMPARE(d->minimumSize(), d->maximumSize());
  d->reject();

  g.Myprec = "A";
  auto low = Open(w, SettingsPage::MyStation);
  QVERIFY(low->PowerItem(0)->isChecked());
  QCOMPARE(g.PowerFactor, 40);
  low->PowerItem(1)->click();
  QCOMPARE(g.PowerFactor, 10);
  low->PowerItem(0)->click();
  QCOMPARE(g.Myprec.str(), std::string("A"));
  QCOMPARE(g.PowerFactor, 40);
}

void SettingsDialogTest::optionBoxesChangeTheGameAtOnce() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QToolButton* logButton = w.Buttons()->ButtonOf(Command::LogQso);
  g.AutoClear = false;
  g.AutoDetect = true;
  g.SilentMode = true;
  g.AutoSave = true;
  g.Debug = false;
  g.Assist = false;
  g.ExchangeSent = false;
  logButton->setEnabled(false);

  auto d = Open(w, SettingsPage::Misc);
  QVERIFY(!d->AutoClearBox()->isChecked());
  QVERIFY(d->AutoDetectBox()->isChecked());
  QVERIFY(d->SilentModeBox()->isChecked());
  QVERIFY(d->AutoSaveBox()->isChecked());
  QVERIFY(!d->AssistBox()->isChecked());
  QVERIFY(d->DebugBox()->isHidden());
  // Opening with Log Assist off frees the Log button.
  QVERIFY(logButton->isEnabled());

  d->AssistBox()->click();
  QVERIFY(g.Assist);
  QVERIFY(!logButton->isEnabled());  // the exchange has not been sent
  d->SilentModeBox()->click();
  QVERIFY(!g.SilentMode);
  d->AutoSaveBox()->click();
  QVERIFY(!g.AutoSave);
  d->AutoDetectBox()->click();
  QVERIFY(!g.AutoDetect);
  d->AutoClearBox()->click();
  QVERIFY(g.AutoClear);
  d->DebugBox()->setChecked(true);
  QVERIFY(g.Debug);
  d->close();
  QVERIFY(g.Assist && !g.SilentMode && !g.AutoSave && !g.AutoDetect && g.AutoClear);
}

void SettingsDialogTest::colourLabelsRecolourTheirPartsAndRepaintTheMap() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  std::vector<QColor> starts;
  std::optional<QColor> answer = QColor(10, 20, 30);
  auto d = Open(w, SettingsPage::Colours);
  d->SetColourChooser([&](const QColor& start, QWidget*) {
    starts.push_back(start);
    return answer;
  });
  QCOMPARE(d->LabelColour(ColourLabel::Heard), QColor(255, 255, 0));
  Picture(*d, QStringLiteral("settings-colours"));

  constexpr int kCt = 0;
  g.SectionStatus[kCt] = SectionState::Heard;
  Perform(g, [&] { UpdateSectionDisplay(g, kCt); });
  QCOMPARE(w.SectionMap()->Area(0)->Background(), ui::ToQColor(g.SectionsColour));

  d->Label(ColourLabel::Heard)->click();
  QCOMPARE(g.HeardColour, RgbColour(10, 20, 30));
  QCOMPARE(w.SectionMap()->Cell(kCt)->Background(), QColor(10, 20, 30));
  QCOMPARE(d->LabelColour(ColourLabel::Heard), QColor(10, 20, 30));
  // The whole map is repainted, so the area highlight is gone.
  QCOMPARE(w.SectionMap()->Area(0)->Background(), ui::ToQColor(kClBtnFace));

  // Any label repaints the map; the dialog starts from its last answer.
  answer = QColor(200, 0, 0);
  Perform(g, [&] { UpdateSectionDisplay(g, kCt); });
  d->Label(ColourLabel::Incoming)->click();
  QCOMPARE(w.Memo(MemoId::Incoming)->palette().color(QPalette::Base), QColor(200, 0, 0));
  QCOMPARE(g.Look.incomingColour, RgbColour(200, 0, 0));
  QCOMPARE(w.SectionMap()->Area(0)->Background(), ui::ToQColor(kClBtnFace));
  QCOMPARE(starts.size(), size_t(2));
  QCOMPARE(starts[0], QColor(Qt::black));
  QCOMPARE(starts[1], QColor(10, 20, 30));

  // The radio group colour also paints the "Band" box, the data group the
  // "QSO #" box.
  answer = QColor(1, 2, 3);
  d->Label(ColourLabel::Radio)->click();
  QCOMPARE(g.Look.radioColour, RgbColour(1, 2, 3));
  QCOMPARE(g.Look.bandColour, RgbColour(1, 2, 3));
  answer = QColor(4, 5, 6);
  d->Label(ColourLabel::Data)->click();
  QCOMPARE(g.Look.dataColour, RgbColour(4, 5, 6));
  QCOMPARE(g.Look.qsoNumberColour, RgbColour(4, 5, 6));
  answer = QColor(7, 8, 9);
  d->Label(ColourLabel::Sections)->click();
  QCOMPARE(g.SectionsColour, RgbColour(7, 8, 9));

  // A cancelled colour dialog changes nothing.
  answer = std::nullopt;
  d->Label(ColourLabel::Worked)->click();
  QCOMPARE(g.WorkedColour, RgbColour(0, 255, 0));
  QCOMPARE(starts.back(), QColor(7, 8, 9));

  // Three columns: text windows, button groups and call areas, section cells.
  const int left = d->Label(ColourLabel::Outgoing)->x();
  const int middle = d->Label(ColourLabel::Radio)->x();
  const int right = d->Label(ColourLabel::Needed)->x();
  QVERIFY(left < middle && middle < right);
  QCOMPARE(d->Label(ColourLabel::Sections)->x(), middle);
  QVERIFY(d->Label(ColourLabel::Outgoing)->y() < d->Label(ColourLabel::Incoming)->y());
  QVERIFY(d->Label(ColourLabel::Misc)->y() < d->Label(ColourLabel::Sections)->y());
}

void SettingsDialogTest::fontsMenuGivesATextWindowTheChosenFont() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  const Colour textColour = g.Look.outgoingFont.colour;
  std::optional<QFont> answer = QFont(QStringLiteral("Liberation Mono"), 15);
  QFont offered;
  auto d = Open(w, SettingsPage::MyStation);
  d->SetFontChooser([&](const QFont& start, QWidget*) {
    offered = start;
    return answer;
  });
  const QFont before = w.Memo(MemoId::Outgoing)->font();
  d->FontsEntry(ui::FontEntry::Outgoing)->trigger();
  QCOMPARE(offered, before);  // preset with the window's font
  QCOMPARE(w.Memo(MemoId::Outgoing)->font().family(), QStringLiteral("Liberation Mono"));
  QCOMPARE(g.Look.outgoingFont.name, std::string("Liberation Mono"));
  QCOMPARE(g.Look.outgoingFont.height, -20);  // 15 point at 96 dots per inch
  QCOMPARE(g.Look.outgoingFont.colour, textColour);
  QCOMPARE(g.Look.incomingFont.name, FontLook{}.name);

  answer = std::nullopt;
  d->FontsEntry(ui::FontEntry::Log)->trigger();
  QCOMPARE(g.Look.logFont.name, std::string("Courier New"));
}

void SettingsDialogTest::saveGameFieldChoosesTheFile() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  const std::string chosen = (f.Folder() / "other" / "night.sav").string();
  w.chosenFiles = {chosen};
  auto d = Open(w, SettingsPage::Misc);
  QTest::mouseClick(d->SavedGameEdit(), Qt::LeftButton);
  QCOMPARE(w.fileRequests.size(), size_t(1));
  QCOMPARE(w.fileRequests[0].title, std::string("Select Save Game File ?"));
  QCOMPARE(w.fileRequests[0].filter, std::string("Saved files|*.sav|All files|*.*"));
  QVERIFY(!w.fileRequests[0].save);
  QCOMPARE(g.SavedGameFile, chosen);
  QCOMPARE(d->SavedGameEdit()->text(), QStringLiteral("night.sav"));
  // Typed text is not taken as a file name.
  QVERIFY(d->SavedGameEdit()->isReadOnly());
  // A cancelled file dialog keeps the name; the choice stands after Cancel.
  QTest::keyClick(d->SavedGameEdit(), Qt::Key_Space);
  QCOMPARE(w.fileRequests.size(), size_t(2));
  d->close();
  QCOMPARE(g.SavedGameFile, chosen);
}

void SettingsDialogTest::soundPageChangesTheSoundAtOnceAndCopyByEarTurnsAutoDetectOff() {
  WindowFixture f("[Sound]\nVolume=40\nFilter=off\nMonitor=1\n");
  TestWindow& w = *f.window;
  Game& g = w.game();
  auto d = Open(w, SettingsPage::Sound);
  ui::SoundPage& page = *d->Sound();
  QCOMPARE(d->Notebook()->currentWidget(), &page);
  QCOMPARE(page.VolumeSlider()->value(), 40);
  QCOMPARE(page.FilterBox()->currentText(), QStringLiteral("Off"));
  QVERIFY(page.MonitorBox()->isChecked());
  QCOMPARE(g.Sound,
           (SoundOptions{true, 40, 30, "off", 100, false, true}));  // opening changes nothing

  page.SoundOnBox()->click();
  page.VolumeSlider()->setValue(65);
  page.NoiseSlider()->setValue(5);
  page.FilterBox()->setCurrentIndex(0);
  emit page.FilterBox()->activated(0);
  page.SpeechRateBox()->setValue(150);
  page.MonitorBox()->click();
  QCOMPARE(g.Sound, (SoundOptions{false, 65, 5, "2.4", 150, false, false}));

  QVERIFY(g.AutoDetect);
  QVERIFY(d->AutoDetectBox()->isEnabled());
  page.CopyByEarBox()->click();
  QVERIFY(g.Sound.copyByEar);
  QVERIFY(!g.AutoDetect);
  QVERIFY(!d->AutoDetectBox()->isChecked());
  QVERIFY(!d->AutoDetectBox()->isEnabled());
  d->OkButton()->click();
  QVERIFY(w.questions.empty());

  // The menu entry and its key turn the sound on and off.
  w.RunCommand(Command::SoundOnOff);
  QVERIFY(g.Sound.on);
  QTest::keyClick(&w, Qt::Key_F12);
  QVERIFY(!g.Sound.on);
}

void SettingsDialogTest::settingsMenuOpensMyStationAndEveryControlIsNamed() {
  WindowFixture f;
  TestWindow& w = *f.window;
  int page = -1;
  QStringList unnamed;
  QSize size;
  WhenDialogOpens([&](SettingsDialog& d) {
    page = d.Notebook()->currentIndex();
    size = d.size();
    for (QWidget* control : d.findChildren<QWidget*>()) {
      const bool interactive = control->focusPolicy() != Qt::NoFocus;
      if (interactive && control->accessibleName().isEmpty() && !control->inherits("QTabBar") &&
          !control->inherits("QStackedWidget") && control->parent() &&
          !control->parentWidget()->inherits("QAbstractSpinBox")) {
        unnamed << control->objectName() + u':' + control->metaObject()->className();
      }
    }
    for (int p = 0; p < d.Notebook()->count(); ++p) {
      d.Notebook()->setCurrentIndex(p);
      Picture(d, QStringLiteral("settings-page%1").arg(p));
    }
    d.close();
  });
  MenuEntry(w.menuBar(), QStringLiteral("Settings"))->trigger();
  QCOMPARE(page, 1);
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
  QVERIFY(size.width() >= ui::kSettingsWidth && size.height() >= ui::kSettingsHeight);
  // The dialog is gone once closed.
  QVERIFY(w.findChildren<SettingsDialog*>().isEmpty());
}

void SettingsDialogTest::timeoutButtonTakesItsLengthFromTheDialog() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QToolButton* timeout = w.Buttons()->ButtonOf(Command::Timeout);
  const int day = g.Day;
  const int hour = g.Hour;
  const int minute = g.Minute;
  const auto setLength = [](int hours, int minutes) {
    return [hours, minutes](SettingsDialog& d) {
      QCOMPARE(d.Notebook()->currentIndex(), 0);
      QVERIFY(d.CancelButton()->isVisible());
      d.HoursBox()->setValue(hours);
      d.MinutesBox()->setValue(minutes);
      d.OkButton()->click();
    };
  };

  // Below 15 minutes: refused, the clock stays.
  w.answers = {true};
  WhenDialogOpens(setLength(0, 14));
  timeout->click();
  QCOMPARE(w.questions.back(), std::string("Are you sure?"));
  QCOMPARE(w.messages.back(),
           std::string("Sorry, rules state that a minimum timeout is 15 minutes"));
  QCOMPARE(g.Hour, hour);
  QCOMPARE(g.Minute, minute);

  // One hour: taken, and the hours are used up.
  g.Operating = true;
  w.answers = {true};
  WhenDialogOpens(setLength(1, 0));
  timeout->click();
  QCOMPARE(g.Day, day);
  QCOMPARE(g.Hour, hour + 1);
  QCOMPARE(g.Minute, minute);
  QVERIFY(!g.Operating);
  QCOMPARE(g.TimeoutHours, 0);

  // Cancelled dialog: the last confirmed length, now 0 h 0 min, is refused.
  const std::size_t messages = w.messages.size();
  w.answers = {true};
  WhenDialogOpens([](SettingsDialog& d) { d.CancelButton()->click(); });
  timeout->click();
  QCOMPARE(w.messages.size(), messages + 1);
  QCOMPARE(g.Hour, hour + 1);

  // No at "Are you sure?": no dialog at all.
  w.answers = {false};
  timeout->click();
  QVERIFY(w.findChildren<SettingsDialog*>().isEmpty());
  QCOMPARE(w.messages.size(), messages + 1);
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::SettingsDialogTest)
