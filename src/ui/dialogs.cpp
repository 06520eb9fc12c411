#include "ui/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quirnel::ui {

bool MessageBoxDialogs::ask(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

bool MessageBoxDialogs::choose(QWidget *parent, const QString &title, const QString &text,
                               const QString &yes, const QString &no)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *first = box.addButton(yes, QMessageBox::AcceptRole);
    box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.exec();
    return box.clickedButton() == first;
}

QString MessageBoxDialogs::openFileName(QWidget *parent, const QString &title,
                                        const QStringList &filters)
{
    return QFileDialog::getOpenFileName(parent, title, QDir::homePath(),
                                        filters.join(QStringLiteral(";;")));
}

Dialogs::SaveTarget MessageBoxDialogs::saveFileName(QWidget *parent, const QString &title,
                                                    const QStringList &filters)
{
    QString chosen;
    const QString path = QFileDialog::getSaveFileName(parent, title, QDir::homePath(),
                                                      filters.join(QStringLiteral(";;")), &chosen);
    return {path, std::max<qsizetype>(0, filters.indexOf(chosen))};
}

} // namespace quirnel::ui
