#include "dialogs/desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {

Desktop realDesktop;
Desktop *current = &realDesktop;

// Counts down from 30 and then powers the machine off through systemd,
// unless the user presses Cancel first.
void startShutdownCountdown(QWidget *parent)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Shutdown"), QString(),
                                QMessageBox::Cancel, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    auto *remaining = new int(30);
    auto *timer = new QTimer(box);
    const auto showText = [box, remaining] {
        box->setText(QStringLiteral("Converting finished. The computer will shut down in %1 seconds.")
                         .arg(*remaining));
    };
    showText();
    QObject::connect(timer, &QTimer::timeout, box, [box, timer, remaining, showText] {
        if (--*remaining > 0) {
            showText();
            return;
        }
        timer->stop();
        QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
        box->close();
    });
    QObject::connect(box, &QObject::destroyed, [remaining] { delete remaining; });
    timer->start(1000);
    box->show();
}

} // namespace

void Desktop::warning(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, QStringLiteral("Warning"), text, QMessageBox::Ok);
}

void Desktop::information(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QStringLiteral("Information"), text, QMessageBox::Ok);
}

void Desktop::error(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, QStringLiteral("Error"), text, QMessageBox::Ok);
}

bool Desktop::confirm(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QStringList Desktop::chooseFiles(QWidget *parent, const QString &caption, const QStringList &filters)
{
    QFileDialog dialog(parent, caption);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void Desktop::openFolder(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void Desktop::openUrl(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void Desktop::shutdown(QWidget *parent)
{
    startShutdownCountdown(parent);
}

Desktop &desktop()
{
    return *current;
}

Desktop *setDesktop(Desktop *d)
{
    Desktop *previous = current;
    current = d ? d : &realDesktop;
    return previous == &realDesktop ? nullptr : previous;
}
