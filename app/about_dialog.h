#pragma once

#include <QDialog>

namespace zel {

// The version window frmAbout.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace zel
