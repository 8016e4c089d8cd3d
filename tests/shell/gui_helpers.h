#pragma once
// Helpers of the shell window tests: they now live with the other folders' in
// support/gui_drive.h (WhenModal, ReadAll, WriteAll, Settle, TypeKeys, ...).

#include <QDir>
#include <QTemporaryDir>

#include "support/gui_drive.h"
