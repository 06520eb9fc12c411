#pragma once

#include <QString>
#include <QStringList>

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
    // Two buttons with their own texts; true for the first.
    virtual bool choose(QWidget *parent, const QString &title, const QString &text,
                        const QString &yes, const QString &no)
        = 0;
    // A file chosen to read, or empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &title, const QStringList &filters)
        = 0;
    struct SaveTarget {
        QString path;         // empty when the user cancels
        qsizetype filter = 0; // index of the filter chosen
    };
    virtual SaveTarget saveFileName(QWidget *parent, const QString &title,
                                    const QStringList &filters)
        = 0;
};

class MessageBoxDialogs final : public Dialogs
{
public:
    bool ask(QWidget *parent, const QString &title, const QString &text) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
    bool choose(QWidget *parent, const QString &title, const QString &text, const QString &yes,
                const QString &no) override;
    QString openFileName(QWidget *parent, const QString &title,
                         const QStringList &filters) override;
    SaveTarget saveFileName(QWidget *parent, const QString &title,
                            const QStringList &filters) override;
};

} // namespace quirnel::ui
