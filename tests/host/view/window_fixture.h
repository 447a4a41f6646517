#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>
#include <QTimer>

#include "host/automation/host_document.h"
#include "host/view/host_entry.h"

namespace host::view {

// The host window on an application with one new drawing, shown offscreen, and the drawing's
// automation document, as the main dialog would hold it.
class WindowFixture : public testing::Test {
 protected:
  void SetUp() override {
    application = HostApplication::withNewDrawing();
    window = openHostWindow(application);
    window->resize(900, 700);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    view = window->activeView();
    ASSERT_NE(view, nullptr);
    drawing = view->document();
    document = application->ActiveDocument();
  }

  // Types a line over the drawing and presses Enter, as a user would.
  void type(const QString& text) {
    QTest::keyClicks(view, text);
    QTest::keyClick(view, Qt::Key_Return);
  }

  // Asks for a point through automation; `user` runs once the request waits. None when the
  // request failed.
  std::optional<Eigen::Vector3d> getPoint(const std::function<void()>& user,
                                          const std::string& prompt = "Insert Point ") {
    QTimer::singleShot(0, user);
    try {
      return document->Utility()->GetPoint(std::nullopt, prompt);
    } catch (const cad::AutomationError&) {
      return std::nullopt;
    }
  }

  std::size_t entityCount() const {
    return drawing->blocks()[model::BlockTable::kModelSpace].entities.size();
  }

  std::shared_ptr<HostApplication> application;
  std::unique_ptr<HostWindow> window;
  DrawingView* view = nullptr;
  std::shared_ptr<model::Document> drawing;
  cad::Ref<cad::Document> document;
};

// The window with the question about unsaved changes answered by the test, which records whom
// it was asked about; asked where to save, the test gives no file name.
class AnsweringWindowFixture : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    window->setSaveQuestion([this](const QString& name) {
      asked << name;
      return answer;
    });
    window->setSavePathQuestion([](const QString&) { return std::nullopt; });
  }

  SaveChoice answer = SaveChoice::Cancel;
  QStringList asked;
};

}  // namespace host::view
