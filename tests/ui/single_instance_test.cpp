// The single-copy lock, and the file dialogs' filters and proposed names.
#include "single_instance_test.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "ui/file_dialogs.h"
#include "ui/single_instance.h"

namespace tovk::testing {

void SingleInstanceTest::secondCopyOfTheSameProgramIsRefused() {
  QTemporaryDir dir;
  auto first = ui::LockSingleInstance(dir.path(), QStringLiteral("tovk"));
  QVERIFY(first);
  QVERIFY(!ui::LockSingleInstance(dir.path(), QStringLiteral("tovk")));
}

void SingleInstanceTest::copyUnderAnotherNameStarts() {
  QTemporaryDir dir;
  auto first = ui::LockSingleInstance(dir.path(), QStringLiteral("tovk"));
  QVERIFY(ui::LockSingleInstance(dir.path(), QStringLiteral("tovk-practice")));
}

void SingleInstanceTest::lockOfACrashedCopyDoesNotBlock() {
  QTemporaryDir dir;
  // What a copy leaves behind when it dies holding the lock: its process id
  // (now gone), its name and the host.
  QFile left(ui::InstanceLockPath(dir.path(), QStringLiteral("tovk")));
  QVERIFY(left.open(QIODevice::WriteOnly));
  left.write(QByteArray::number(0x7ffffff0) + "\ntovk\n" +
             QSysInfo::machineHostName().toLocal8Bit() + "\n");
  left.close();
  QVERIFY(ui::LockSingleInstance(dir.path(), QStringLiteral("tovk")));
}

void SingleInstanceTest::lockIsFreeAgainWhenTheCopyEnds() {
  QTemporaryDir dir;
  {
    auto first = ui::LockSingleInstance(dir.path(), QStringLiteral("tovk"));
    QVERIFY(first);
  }
  QVERIFY(ui::LockSingleInstance(dir.path(), QStringLiteral("tovk")));
}

void SingleInstanceTest::lockFolderIsTheUsersOwn() {
  const QString folder = ui::InstanceLockFolder();
  QVERIFY(!folder.isEmpty());
  QVERIFY(folder != QStringLiteral("/tmp"));
  const QFileInfo info(folder);
  QVERIFY(info.isDir());
  // Nobody but the user may write there, so nobody else can hold the lock.
  QVERIFY(!(info.permissions() & (QFile::WriteGroup | QFile::WriteOther)));
}

void SingleInstanceTest::fileFiltersAndProposedNamesInQtsForm() {
  QCOMPARE(ui::ToQtFilter("Saved Files|*.sav|All files|*.*"),
           QStringLiteral("Saved Files (*.sav);;All files (*)"));
  QCOMPARE(ui::ToQtFilter("Logs|*.log;*.txt"), QStringLiteral("Logs (*.log *.txt)"));
  QCOMPARE(ui::ToQtFilter(""), QString());
  FileRequest request;
  request.folder = "/home/op/tovk";
  request.fileName = "tovk.sav";
  QCOMPARE(ui::ProposedPath(request), QStringLiteral("/home/op/tovk/tovk.sav"));
  request.fileName = "/media/stick/contest.sav";
  QCOMPARE(ui::ProposedPath(request), QStringLiteral("/media/stick/contest.sav"));
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::SingleInstanceTest)
