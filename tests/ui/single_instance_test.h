// Tests of the single-copy lock and of the file dialogs' filters.
#pragma once

#include <QObject>

namespace tovk::testing {

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void secondCopyOfTheSameProgramIsRefused();
  void copyUnderAnotherNameStarts();
  void lockOfACrashedCopyDoesNotBlock();
  void lockIsFreeAgainWhenTheCopyEnds();
  void lockFolderIsTheUsersOwn();
  void fileFiltersAndProposedNamesInQtsForm();
};

}  // namespace tovk::testing
