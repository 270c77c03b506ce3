// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

QStringList readCommandLine(const QStringList &arguments)
{
    QCoreApplication::setApplicationVersion(KAVARI_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Downloads videos, audio tracks and playlists with yt-dlp."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "links"),
        QCoreApplication::translate("CommandLine", "Links to put into the link field, ready to download."),
        QCoreApplication::translate("CommandLine", "[links...]"));
    parser.process(arguments);
    return parser.positionalArguments();
}
