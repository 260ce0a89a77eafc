// The main window unit: the shared state of the program, the window's life
// (creation, first show, close), its layout variants, and the bindings that
// connect each subsystem's rules to the window's controls.
//
// Operations are grouped by subsystem; each group is implemented in its own
// file (main.cpp, main_skin.cpp, main_picker.cpp, main_profile.cpp,
// main_settings.cpp, main_runner.cpp, main_batch.cpp, main_tasklist.cpp,
// main_preview.cpp, main_dvd.cpp, main_dialogs.cpp).
#pragma once

#include "config/edition.h"
#include "engine/convertTh.h"
#include "engine/jobrecord.h"
#include "engine/options.h"
#include "sources/sourceinfo.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTimer;
class QTreeWidget;
class TSkin;
class TSkinObject;
class Tfm_about;
class Tfm_dir;
class Tfm_set;
class Tfm_show;

class Tfm_main : public QWidget
{
    Q_OBJECT
public:
    // `programFolder` is the folder the program's data files lie in (with a
    // trailing "/"); `startName` is the name the program was started under
    // (argv[0]). Tests pass their own; the program passes its real ones.
    Tfm_main(const QString &programFolder, const QString &startName, QWidget *parent = nullptr);
    ~Tfm_main() override;

    // ---- Startup, run mode and window lifecycle (main.cpp) ----------
    void FormCreate();
    void FormShow();
    // True when the close may go on; on allow the settings are saved.
    bool FormCloseQuery();
    // Applies the layout variant of (runMode, brandVariant).
    void applyLayout();
    // The task list shows check boxes (DVD mode layouts).
    bool lvCheckBoxes = false;
    // The exit command of the two file menus.
    void exitCommand();

    // The other forms, created at program start after this window.
    Tfm_dir *fm_dir = nullptr;
    Tfm_about *fm_about = nullptr;
    Tfm_set *fm_set = nullptr;
    Tfm_show *fm_show = nullptr;

    const QString programFolder; // with trailing "/"
    const QString startName;     // argv[0] as given

    // Shared state.
    QString exeName;
    RunMode runMode = RunMode::File;
    BrandVariant brandVariant = BrandVariant::B;
    int32_t currentCategory = -1;
    int32_t currentProfile = -1;
    int32_t loadedProfile = 0;
    int32_t currentJob = 0;
    bool converting = false;
    bool previewing = false;
    int32_t finishAction = 0;
    QString outputFolder;
    int32_t progressBase = 0;
    int32_t subPanelOffset = 0;
    bool titleMode = true;
    intputrec jobRecord;
    TOriginalInfos sourceInfos;

    // Controls.
    TSkin *Skin1 = nullptr;
    QTreeWidget *lv = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QComboBox *cb_size = nullptr;
    QComboBox *cb_videobitrate = nullptr;
    QComboBox *cb_audiobitrate = nullptr;
    QComboBox *cb_channel = nullptr;
    QComboBox *cb_audio = nullptr;
    QComboBox *cb_subtitle = nullptr;
    QLineEdit *ed_output = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *im_mainico = nullptr;
    QWidget *pl_play = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

    // The picker: the category column and the nineteen panels of buttons.
    QFrame *pl_main = nullptr;
    QFrame *pl_video1 = nullptr;
    QFrame *pl_video2 = nullptr;
    QFrame *pl_audio1 = nullptr;
    QFrame *pl_audio2 = nullptr;
    QFrame *pl_ipod = nullptr;
    QFrame *pl_iphone = nullptr;
    QFrame *pl_psp = nullptr;
    QFrame *pl_phone = nullptr;
    QFrame *pl_pmp = nullptr;
    QFrame *pl_appletv = nullptr;
    QFrame *pl_animation = nullptr;
    QFrame *pl_gphone = nullptr;
    QFrame *pl_win = nullptr;
    QFrame *pl_xbox = nullptr;
    QFrame *pl_hd = nullptr;
    QFrame *pl_avi = nullptr;
    QFrame *pl_mpeg = nullptr;
    QFrame *pl_mp4 = nullptr;
    QFrame *pl_mkv = nullptr;
    // The nineteen panels in the order of the layout table.
    QFrame *subPanels(int i) const;
    static constexpr int subPanelCount = 19;

    // ---- Skin surface and command dispatch (main_skin.cpp) ----------
    void loadSkin();
    void Skin1Click(const QString &objectName);
    void Skin1MouseDown(const QString &objectName);
    void Skin1MouseUp(const QString &objectName);
    // Builds the three pop-up menus (at window creation).
    void createMenus();
    // Pops `menu` up at its position for the brand variant.
    void popupMenu(QMenu *menu);
    // That position, relative to the window's top-left corner.
    QPoint popupOffset(const QMenu *menu) const;
    QMenu *pop_file = nullptr;
    QMenu *pop_dvd = nullptr;
    QMenu *pop_help = nullptr;
    // Skin texts and the slider written by other subsystems; each does nothing
    // when the skin lacks the object.
    void setSkinText(const QString &objectName, const QString &text);
    void setPlayBarPosition(int position);
    int playBarPosition() const;
    // The skin objects "profilestext", "play_time" and "play_bar", looked up
    // by loadSkin; empty when the skin lacks them.
    QPointer<TSkinObject> skin_profilestext;
    QPointer<TSkinObject> skin_play_time;
    QPointer<TSkinObject> skin_play_bar;

    // ---- Output folder, finish action, about and help (main_dialogs.cpp)
    void browseOutputFolder();  // skin command "browse"
    void openOutputFolder();    // skin command "open"
    void showFinishSettings();  // skin command "settings"
    void showAbout();           // "About"
    void openHelpPage();        // "Help", "Our Website"
    void openContactPage();     // "Support", "Contact us"

    // ---- Profile catalogue and picker (main_picker.cpp) -------------
    // Creates the category images, the profile buttons and the strips.
    void createPickerControls();
    void showProfileName(int n);
    void openPicker(int n);
    void hidePicker();
    // False when the category's picture could not be loaded.
    bool leaveCategory(int c);
    void categoryPointed(int c);     // img_*MouseMove
    void profilePointed(int n);      // btim_NMouseMove
    void profileClicked(int n);      // btim_NClick
    void foldToFamily();
    // False when the button's picture could not be loaded.
    bool restoreProfileButton(int n);
    void Image94Click();
    void Image93Click();
    void Image2Click();
    void Image5Click();
    void im_mainicoClick();
    QString profileDisplayName; // UTF-16
    bool videoFirstPage = true;
    bool audioFirstPage = true;
    // The picture controls: btim[N] is btim_N, categoryImage[c] category c.
    QLabel *btim[133] = {};
    QLabel *categoryImage[14] = {};

    // ---- Picker images ---------------------------------------------
    // Each returns false when the picture could not be loaded (the error box
    // has then been shown).
    bool highlightButton(int n);
    bool resetButtonPicture(int n);
    bool highlightCategory(int c);
    bool resetCategoryPicture(int c);
    bool refreshHeaderImage();

    // ---- Profile definition file and quality boxes (main_profile.cpp)
    void loadProfile(int n);
    void cb_sizeChange();
    void cb_videobitrateChange();
    void cb_audiobitrateChange();
    VideoRates profileVideoRates;

    // ---- Saved settings and quality memory (main_settings.cpp) -------
    void loadSettings();
    void saveSettings();
    void saveQualityChoices(int n);
    // The two INI files, set by loadSettings: the settings file and the
    // quality memory file beside it. Empty before the first load.
    QString settingsPath;
    QString qualityMemoryPath;

    // ---- Encoder runner and progress (main_runner.cpp) --------------
    void startEncoderJob();
    void setJobProgress(int32_t v);
    void Timer2Timer();
    void onEncoderExit();
    // Ends the running encoder program and everything it started (Stop).
    void killEncoderJob();
    // Writes the end status of a finished job into row `row`: "Finish", or
    // "Failed" when its encoder program could not start or exited non-zero.
    void writeJobEnd(int row);
    bool lastJobFailed = false;
    // The encoder run of the current job: process, pipes and threads.
    TRunnerState runner;
    // Starts the next row's job; empty: the run mode's own builder
    // (buildFileJob or startDvdJob). Tests put their own builder here.
    std::function<void()> nextJobBuilder;

    // ---- Command line and batch control (main_batch.cpp) ------------
    // The user's choices as the option builders read them.
    QualityChoices qualityChoices() const;
    void buildFileJob();
    void startBatch();
    void stopBatch();
    // The first steps of every batch: the first row, an empty bar shown,
    // converting set.
    void beginBatch();
    // Ends the batch where it stands (Stop, or a job that cannot be built):
    // bar hidden, the row index past the last row, converting cleared.
    void endBatch();
    void refreshEstimates();

    // ---- File task list (main_tasklist.cpp) -------------------------
    // The task list's columns: "File Name", "Width * Height", "Time",
    // "Output Size", "Status".
    enum TaskColumn { NameColumn, FrameSizeColumn, TimeColumn, OutputSizeColumn, StatusColumn };
    void addFiles();
    void addFolder();
    void addSourceFile(const QString &path);
    void removeSelected();
    void clearList();
    void lvMouseDown();

    // ---- Preview (main_preview.cpp) ---------------------------------
    void startFilePreview();
    void playPreview(const QString &mediaReference, bool filePreview);
    void onPreviewPosition(double p);
    void Timer1Timer();
    void togglePreviewPause();
    void stopPreview();
    bool previewPaused = false;
    bool barDragging = false;
    int previewRow = 0;
    int previewElapsed = 0;
    int previewStartOffset = 0;
    bool previewJustStarted = false;

    // ---- DVD source (main_dvd.cpp) ----------------------------------------
    void addDvd();
    void addIfo();
    void switchList();
    void checkAllRows(bool checked);
    void startDvdJob();
    void startDvdPreview();
    void lvClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    // Shows "Please first stop play!" or "Please first stop convert!" and
    // returns true while the preview plays or a batch runs.
    bool refusedWhileBusy();
    // The running time in seconds of the previewed row; 0 when the row is
    // not in the list.
    int32_t previewDuration() const;
    // Shows "Please first stop convert!" and returns true while a batch runs.
    bool refusedWhileConverting();
    bool shown_ = false;
};

struct ComboModel;
// The plain view of one drop-down list of the window: items, selection and
// whether it is enabled.
ComboModel comboModel(const QComboBox *box);
