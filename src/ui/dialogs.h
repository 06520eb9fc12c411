#pragma once

#include <QString>

class QWidget;

namespace quirnel::ui {

// The questions the user answers and the warnings the window gives go through this
// interface, so that tests answer instead of clicking a modal box.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Yes/No, Yes the default button, no icon. True for Yes.
    virtual bool ask(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warn(QWidget *parent, const QString &title, const QString &text) = 0;
};

class MessageBoxDialogs final : public Dialogs
{
public:
    bool ask(QWidget *parent, const QString &title, const QString &text) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
};

} // namespace quirnel::ui
