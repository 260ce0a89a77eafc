// The file task list: adding files and folders, removing and clearing rows.
#include "app/main.h"

#include "dialogs/desktop.h"
#include "dialogs/dir.h"
#include "engine/estimate.h"
#include "engine/filejob.h"
#include "sources/tasklist.h"

#include <QApplication>
#include <QDir>
#include <QTreeWidget>

namespace {

// When rows exist and none is selected, the first one is.
void selectFirstRowIfNone(QTreeWidget *lv)
{
    if (lv->topLevelItemCount() > 0 && lv->selectedItems().isEmpty()) {
        lv->setCurrentItem(lv->topLevelItem(0));
        lv->topLevelItem(0)->setSelected(true);
    }
}

} // namespace

bool Tfm_main::refusedWhileBusy()
{
    if (previewing) {
        desktop().warning(this, QStringLiteral("Please first stop play!"));
        return true;
    }
    return refusedWhileConverting();
}

bool Tfm_main::refusedWhileConverting()
{
    if (converting) {
        desktop().warning(this, QStringLiteral("Please first stop convert!"));
        return true;
    }
    return false;
}

void Tfm_main::addFiles()
{
    if (refusedWhileConverting())
        return;
    const QStringList files =
        desktop().chooseFiles(this, QStringLiteral("Add Files"), addFilesFilters());
    if (!files.isEmpty()) {
        lv->show();
        for (const QString &file : files)
            addSourceFile(file);
    }
    selectFirstRowIfNone(lv);
}

void Tfm_main::addFolder()
{
    if (refusedWhileConverting())
        return;
    const QString folder = fm_dir->chooseFolder(QStringLiteral("File Directory"));
    if (folder.isEmpty())
        return;
    lv->show();
    // Every kind of entry, in the order the file system gives them; the
    // folder is not searched recursively.
    const QStringList entries =
        QDir(folder).entryList(QStringList{QStringLiteral("*")},
                               QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Unsorted);
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (const QString &entry : entries) {
        if (!isFolderScanEntry(entry))
            continue;
        QApplication::processEvents();
        QApplication::processEvents();
        addSourceFile(prefix + entry);
    }
    selectFirstRowIfNone(lv);
}

void Tfm_main::addSourceFile(const QString &path)
{
    const std::optional<Toriginalinfo> record = probeSourceFile(path, jobRecord);
    if (!record)
        return;
    auto *row = new QTreeWidgetItem(lv);
    currentJob = lv->topLevelItemCount() - 1;
    sourceInfos.resize(lv->topLevelItemCount());
    sourceInfos[currentJob] = *record;

    row->setText(NameColumn, sourceCaption(path));
    row->setText(FrameSizeColumn, record->frameSize);
    row->setText(TimeColumn, record->durationText);
    row->setText(OutputSizeColumn, outputSizeText(qualityChoices(), *record));
    row->setText(StatusColumn, QStringLiteral("Status"));
    if (lvCheckBoxes)
        row->setCheckState(NameColumn, Qt::Checked);
}

void Tfm_main::removeSelected()
{
    if (refusedWhileBusy())
        return;
    if (lv->selectedItems().isEmpty())
        return;
    QVector<bool> selected;
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        selected << lv->topLevelItem(i)->isSelected();
    const RowRemoval removal = removeSelectedRows(sourceInfos, selected);
    for (int index : removal.deletedAt)
        delete lv->takeTopLevelItem(index);
    if (removal.selectAfter >= 0) {
        QTreeWidgetItem *row = lv->topLevelItem(removal.selectAfter);
        lv->setCurrentItem(row);
        row->setSelected(true);
    }
}

void Tfm_main::clearList()
{
    if (refusedWhileBusy())
        return;
    if (lv->topLevelItemCount() == 0)
        return;
    if (desktop().confirm(this, QStringLiteral("Are you sure to remove all the files from filelist?\n"
                                               "Not delete from your computer.")))
        lv->clear();
}

void Tfm_main::lvMouseDown()
{
    hidePicker();
}
