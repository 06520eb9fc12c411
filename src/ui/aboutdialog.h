#pragma once

#include <QDialog>

namespace quirnel::ui {

// The about box: created when shown, discarded when its "OK" closes it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent);
};

} // namespace quirnel::ui
