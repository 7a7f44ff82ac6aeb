// The host test double of the Windows API, as a whole. Included only through
// platform/win.h; linked only by host tests and host tools.
#pragma once

#include "platform/host/host_types.h"
#include "platform/host/host_kernel.h"
#include "platform/host/host_registry.h"
#include "platform/host/host_user.h"
#include "platform/host/host_gdi.h"
#include "platform/host/host_window.h"
#include "platform/host/host_paint.h"
