// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runprogress.h"
#include "taskbarprogress.h"

#include <QElapsedTimer>
#include <QObject>

class QProgressBar;
class QTimer;

// How far a run has come, read from its output and shown on the window's bar and on the task bar.
// A long run prints hundreds of thousands of progress lines: the task bar hears of a change of the
// whole percent only, and the bar is painted at most ten times a second, the last value always.
class ProgressShown : public QObject
{
    Q_OBJECT

public:
    ProgressShown(QProgressBar *bar, QObject *parent);

    // Busy until yt-dlp prints its first percent.
    void start(const QStringList &links);
    void read(QStringView output);
    // From 0 to 1, for what is not read from yt-dlp's output: the bytes of a file being fetched.
    void show(double fraction);
    void end();
    // Of the last run: yt-dlp took a link up as YouTube's.
    bool sawYouTube() const { return progress.sawYouTube(); }
    bool sawPlaylist() const { return progress.sawPlaylist(); }

private:
    void paint();

    QProgressBar *bar;
    QTimer *latePaint;
    RunProgress progress;
    TaskbarProgress taskbar;
    // The whole percent the task bar shows, -1 while it is not known.
    int shownPercent = -1;
    QElapsedTimer sinceBarPainted;
};
