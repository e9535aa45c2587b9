// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The choices start-up makes for one platform or another, all here, each with its reason. Called
// before the application object exists, since Qt reads these settings as it starts.
void ApplyPlatformChoices();
