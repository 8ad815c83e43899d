#pragma once
// The standard controls and dialogs in one include.
#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ComboBoxApi.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/EditApi.h"
#include "platform/ctl/Icons.h"
#include "platform/ctl/ListBoxApi.h"
#include "platform/ctl/MessageBox.h"
#include "platform/ctl/SaveDialog.h"
#include "platform/ctl/ScrollBarApi.h"
#include "platform/ctl/ScrollBarParts.h"
#include "platform/ctl/StaticApi.h"
