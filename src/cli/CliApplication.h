#pragma once

#include "cli/CliCommand.h"

#include <QCoreApplication>

#include <memory>

namespace kelvora::cli {

// The Qt application for one run of kelvora-cli. A command that paints gets a GUI
// application on the offscreen platform whatever the terminal has (a display, another
// platform named in QT_QPA_PLATFORM, none); every other command gets a core
// application and loads no GUI platform. Either way Qt has nothing to warn about.
std::unique_ptr<QCoreApplication> createApplication(CliCommand::Needs needs, int& argc,
                                                    char** argv);

} // namespace kelvora::cli
