// SPDX-License-Identifier: MIT
// What the ui tests share: the fakes handed to the views and the scenario runner.
#pragma once

#include "ColorValue.h"
#include "FakeApplicationState.h"
#include "ManualScheduler.h"
#include "Scenario.h"
