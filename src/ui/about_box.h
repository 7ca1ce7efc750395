// The about box: the program's name, version and build, and a few lines about
// the system it runs on (what a user quotes in a bug report).
#pragma once

#include <QDialog>

namespace plumora {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace plumora
