// No sound server: the window says so once, on the line under it, never in a
// box, and every button works as before.
#include "silent_sound_test.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTest>

#include "test_window.h"

namespace tovk::testing {

void SilentSoundTest::withoutASoundServerTheGameRunsSilentAndSaysSoOnce() {
  // A sound server that is not there.
  const QString nowhere = QDir::temp().filePath(QStringLiteral("tovk-no-such-sound-server"));
  qputenv("PULSE_SERVER", ("unix:" + nowhere).toLocal8Bit());
  WindowFixture f({}, true);
  TestWindow& w = *f.window;
  QElapsedTimer waited;
  waited.start();
  while (w.SoundProblem().isEmpty() && waited.elapsed() < 10000) QTest::qWait(20);
  QVERIFY(w.SoundProblem().startsWith(QStringLiteral("No sound: ")));
  QCOMPARE(w.statusBar()->currentMessage(), w.SoundProblem());

  // Playing on: the lines are shown, nothing more is said, no box opens.
  const std::size_t sent = w.game().Lines(MemoId::Outgoing).size();
  for (int i = 0; i < 5; ++i) w.RunCommand(Command::CallCq);
  QCOMPARE(w.game().Lines(MemoId::Outgoing).size(), sent + 5);
  w.RunCommand(Command::SoundOnOff);
  w.RunCommand(Command::SoundOnOff);
  QTest::qWait(200);
  QVERIFY(w.messages.empty());
  QCOMPARE(w.statusBar()->currentMessage(), w.SoundProblem());
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::SilentSoundTest)
