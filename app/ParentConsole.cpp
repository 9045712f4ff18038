// SPDX-License-Identifier: MIT
#include "ParentConsole.h"

#include <cstdio>

#include <windows.h>

namespace quorvane {

namespace {

bool Leads(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void UseParentConsole()
{
    const bool output = Leads(STD_OUTPUT_HANDLE);
    const bool error = Leads(STD_ERROR_HANDLE);
    if (output && error) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!output) std::freopen("CONOUT$", "w", stdout);
    if (!error) std::freopen("CONOUT$", "w", stderr);
}

} // namespace quorvane
