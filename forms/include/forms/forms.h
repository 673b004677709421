#pragma once
// The tutor's forms and controls runtime.
#include "forms/control.h"
#include "forms/errors.h"
#include "forms/form.h"
#include "forms/media.h"
#include "forms/picture.h"
#include "forms/pump.h"
#include "forms/richtext.h"
#include "forms/sendkeys.h"
#include "forms/settings.h"
#include "forms/timer.h"
#include "forms/units.h"
