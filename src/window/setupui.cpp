// SPDX-License-Identifier: GPL-3.0-or-later
#include "cookiechoice.h"
#include "heldkeys.h"
#include "kavariwindow.h"
#include "progressshown.h"
#include "retryoffer.h"
#include "runlog.h"
#include "spokenstatus.h"
#include "statusline.h"
#include "updateoffer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>
#include <QVBoxLayout>

void KavariWindow::setupUi()
{
    setWindowTitle(tr("Kavari - By Tolmend"));
    setMinimumSize(700, 550);

    auto *central = new QWidget(this);
    setCentralWidget(central);

    auto *mainLayout = new QVBoxLayout(central);
    mainLayout->setSpacing(10);
    mainLayout->setContentsMargins(15, 15, 15, 15);

    auto *urlGroup = new QGroupBox(tr("Video URL"), this);
    auto *urlLayout = new QVBoxLayout(urlGroup);
    urlEdit = new QLineEdit(this);
    urlEdit->setObjectName("urlEdit");
    urlEdit->setAccessibleName(tr("Video URL"));
    urlEdit->setPlaceholderText(tr("Paste YouTube URL here..."));
    // Thousands of pasted links, where a line edit keeps 32,767 characters.
    urlEdit->setMaxLength(1 << 24);
    connect(urlEdit, &QLineEdit::textChanged, this, &KavariWindow::onUrlChanged);
    connect(urlEdit, &QLineEdit::returnPressed, this, &KavariWindow::onReturnPressed);
    urlLayout->addWidget(urlEdit);
    modeLabel = new QLabel(this);
    modeLabel->setObjectName("modeLabel");
    urlLayout->addWidget(modeLabel);
    mainLayout->addWidget(urlGroup);

    auto *dirGroup = new QGroupBox(tr("Output Directory"), this);
    auto *dirLayout = new QHBoxLayout(dirGroup);
    outputDirEdit = new QLineEdit(this);
    outputDirEdit->setObjectName("outputDirEdit");
    outputDirEdit->setAccessibleName(tr("Output Directory"));
    outputDirEdit->setText(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    browseButton = new QPushButton(tr("Browse..."), this);
    browseButton->setObjectName("browseButton");
    connect(browseButton, &QPushButton::clicked, this, &KavariWindow::onBrowseClicked);
    connect(outputDirEdit, &QLineEdit::returnPressed, this, &KavariWindow::onReturnPressed);
    dirLayout->addWidget(outputDirEdit);
    dirLayout->addWidget(browseButton);
    mainLayout->addWidget(dirGroup);

    auto *formatGroup = new QGroupBox(tr("Format Options"), this);
    auto *formatRows = new QVBoxLayout(formatGroup);
    auto *formatLayout = new QHBoxLayout;
    auto *formatCaption = new QLabel(tr("Format:"), this);
    qualityCombo = new QComboBox(this);
    qualityCombo->setObjectName("qualityCombo");
    formatCaption->setBuddy(qualityCombo);
    qualityCombo->addItem(tr("MP3 (Audio)"), QString("mp3"));
    qualityCombo->addItem(tr("M4A (Audio)"), QString("m4a"));
    qualityCombo->addItem(tr("Best Video + Audio"), QString("bestvideo+bestaudio"));
    qualityCombo->addItem(tr("720p Video"), QString("720p"));
    qualityCombo->addItem(tr("1080p Video"), QString("1080p"));
    connect(qualityCombo, &QComboBox::currentIndexChanged, this, &KavariWindow::onQualityChanged);
    auto *audioCaption = new QLabel(tr("Audio Quality:"), this);
    audioQualityCombo = new QComboBox(this);
    audioQualityCombo->setObjectName("audioQualityCombo");
    audioCaption->setBuddy(audioQualityCombo);
    audioQualityCombo->addItem(tr("Best"), QString("0"));
    audioQualityCombo->addItem(tr("High (192k)"), QString("192"));
    audioQualityCombo->addItem(tr("Medium (128k)"), QString("128"));
    audioQualityCombo->addItem(tr("Low (64k)"), QString("64"));
    playlistCheckBox = new QCheckBox(tr("Download entire playlist"), this);
    playlistCheckBox->setObjectName("playlistCheckBox");
    playlistCheckBox->setChecked(false);
    connect(playlistCheckBox, &QCheckBox::toggled, this, &KavariWindow::updateModeLabel);
    formatLayout->addWidget(formatCaption);
    formatLayout->addWidget(qualityCombo);
    formatLayout->addSpacing(20);
    formatLayout->addWidget(audioCaption);
    formatLayout->addWidget(audioQualityCombo);
    formatLayout->addSpacing(20);
    formatLayout->addWidget(playlistCheckBox);
    formatLayout->addStretch(0);
    // Read for each run by yt-dlp, never by Kavari; "None" in every new window. On a row of its own
    // under the format, so that the window keeps its width.
    auto *cookiesCaption = new QLabel(tr("Cookies from:"), this);
    auto *cookiesCombo = new BrowserBox(this);
    cookiesCombo->setObjectName("cookiesCombo");
    cookiesCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cookiesCaption->setBuddy(cookiesCombo);
    cookies = new CookieChoice(cookiesCombo, this);
    connect(cookies, &CookieChoice::changed, this, &KavariWindow::updateModeLabel);
    auto *cookiesRow = new QHBoxLayout;
    cookiesRow->addWidget(cookiesCaption);
    cookiesRow->addWidget(cookiesCombo);
    cookiesRow->addStretch(0);
    formatRows->addLayout(formatLayout);
    formatRows->addLayout(cookiesRow);
    mainLayout->addWidget(formatGroup);

    auto *buttonRow = new QHBoxLayout;
    downloadButton = new QPushButton(tr("Download"), this);
    downloadButton->setObjectName("downloadButton");
    downloadButton->setMinimumHeight(40);
    downloadButton->setStyleSheet("QPushButton { font-size: 14px; font-weight: bold; }");
    // Enter on the focused button clicks it, as Space does; outside a dialog only auto-default buttons do.
    downloadButton->setAutoDefault(true);
    connect(downloadButton, &QPushButton::clicked, this, &KavariWindow::onDownloadClicked);
    for (QWidget *start : std::initializer_list<QWidget *> {urlEdit, outputDirEdit, downloadButton})
        ignoreHeldKeys(start);
    buttonRow->addWidget(downloadButton, 1);
    mainLayout->addLayout(buttonRow);

    // Before any screen reader can ask for the status line, so that it never sees a plain label.
    installSpokenStatus();
    statusLabel = new QLabel(this);
    statusLabel->setObjectName("statusLabel");
    statusLabel->setStyleSheet("font-weight: bold;");
    status = new StatusLine(statusLabel, this);
    // Beside the status, only while a run is on.
    progressBar = new QProgressBar(this);
    progressBar->setObjectName("progressBar");
    progressBar->setAccessibleName(tr("Download progress"));
    // German and French put a blank before the percent sign; the number follows the language too.
    progressBar->setFormat(tr("%p%", "the progress bar's text: %p is the percent done"));
    // Its room stays when it is hidden, so that the log does not move at every start and end.
    QSizePolicy keepRoom = progressBar->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    progressBar->setSizePolicy(keepRoom);
    progressBar->hide();
    progress = new ProgressShown(progressBar, this);
    // Offered after a failure that the current yt-dlp or deno would mend.
    auto *updateButton = new QPushButton(tr("Update yt-dlp"), this);
    updateButton->setObjectName("updateButton");
    updateButton->setAccessibleName(tr("Update yt-dlp"));
    // Offered after a failure that the browser's cookies or pauses between videos would mend.
    auto *retryButton = new QPushButton(this);
    retryButton->setObjectName("retryButton");
    retryOffer = new RetryOffer(retryButton, cookies, this);
    connect(retryOffer, &RetryOffer::retry, this, &KavariWindow::onRetry);
    // Enter on an offer, as on Download, clicks it; a held key counts once.
    for (QPushButton *offer : {updateButton, retryButton}) {
        offer->setAutoDefault(true);
        ignoreHeldKeys(offer);
    }
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(statusLabel);
    statusRow->addWidget(updateButton);
    statusRow->addWidget(retryButton);
    statusRow->addWidget(progressBar, 1);
    mainLayout->addLayout(statusRow);

    auto *logGroup = new QGroupBox(tr("Output Log"), this);
    auto *logLayout = new QVBoxLayout(logGroup);
    outputLog = new QTextEdit(this);
    outputLog->setObjectName("outputLog");
    outputLog->setAccessibleName(tr("Output Log"));
    outputLog->setReadOnly(true);
    // Nobody can edit the log, so an undo history would only hold a second copy of all it shows.
    outputLog->setUndoRedoEnabled(false);
    // A caret for the keyboard, as in any read-only text view: screen readers read the log line by line.
    outputLog->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont logFont("Monospace", 9);
    logFont.setStyleHint(QFont::TypeWriter);
    // A monospace font needs no complex shaping for what yt-dlp prints; laying out each new
    // paragraph is most of the cost of a long run.
    logFont.setStyleStrategy(QFont::PreferNoShaping);
    outputLog->setFont(logFont);
    log = new RunLog(outputLog, this);
    updateOffer = new UpdateOffer(updateButton, downloadButton, log, status, progress, this);
    // One thing at a time: no retry while an update runs.
    connect(updateOffer, &UpdateOffer::busy, retryOffer, &RetryOffer::hold);
    connect(
        updateOffer, &UpdateOffer::versionFound, this,
        [this](const QString &program, const QString &version) { ytDlpVersion.remember(program, version); });
    // A retry starts the run that failed: once the fields describe another, it is withdrawn.
    connect(outputDirEdit, &QLineEdit::textChanged, this, &KavariWindow::onChoicesChanged);
    connect(audioQualityCombo, &QComboBox::currentIndexChanged, this, &KavariWindow::onChoicesChanged);
    connect(playlistCheckBox, &QCheckBox::toggled, this, &KavariWindow::onChoicesChanged);
    logLayout->addWidget(outputLog);
    mainLayout->addWidget(logGroup, 1);

    styleModeLabel();
    updateModeLabel();
    onQualityChanged(0);
    // Wider only where a language's labels need it: squeezed, a row would cut them off.
    setMinimumSize(minimumSize().expandedTo(minimumSizeHint()));
}
