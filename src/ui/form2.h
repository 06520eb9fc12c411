#pragma once

#include <QDialog>

namespace quirnel::ui {

// The about box: created when shown, discarded when its "OK" closes it.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent);
};

} // namespace quirnel::ui
