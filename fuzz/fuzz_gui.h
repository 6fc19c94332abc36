#pragma once

#include <QGuiApplication>

#include <cstdlib>

namespace zel::fuzz {

// The application object for targets that draw text or make widgets: offscreen, made once
// before the first input and kept for the whole run.
template <typename Application = QGuiApplication>
void MakeApplication() {
  static int argc = 1;
  static char name[] = "zel_fuzz";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static Application* application = new Application(argc, argv);
  (void)application;
}

}  // namespace zel::fuzz
