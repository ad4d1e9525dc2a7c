// The running program for the app tests: a CVeskApp started with a command line, whose file
// dialogs answer from a queue, with message boxes recorded and settings in a private folder.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/veskapp.h"
#include "common/message_box_recorder.h"

class CFrameWnd;
class CVeskDoc;
class QAction;
class QMenu;

class TestVeskApp : public CVeskApp {
 public:
  struct Prompt {
    QString proposed;
    bool open;
  };
  // Each file dialog takes the next queued answer; an empty queue means the user cancelled.
  bool DoPromptFileName(QString& fileName, bool open) override;

  QStringList fileAnswers;
  QList<Prompt> prompts;
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program as `vesk args...`; returns what InitInstance returned.
  bool Start(const QStringList& args = {});
  // Ends the program as its event loop would, then starts a new one with a new frame.
  bool Restart(const QStringList& args = {});

  CFrameWnd* Frame() const;
  CVeskDoc* Doc() const;
  QAction* Action(int id) const;
  QMenu* Menu(const QString& title) const;
  // The texts of the menu's visible items, separators as "-".
  QStringList MenuTexts(const QString& title) const;
  // Clicks the item as a user would; false when it is disabled or hidden.
  bool Click(int id);
  void Press(const QKeySequence& keys);

  // A 68-byte design file in the temporary folder with the given body length.
  QString WriteDesign(const QString& name, double length);
  static QByteArray Bytes(const QString& path);
  // The recent-file list as the settings store holds it, File1 first.
  static QStringList StoredRecentFiles();

  QTemporaryDir dir;
  MessageBoxRecorder boxes;
  std::unique_ptr<TestVeskApp> app;
};
