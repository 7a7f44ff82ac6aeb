// Host double of GDI: a recording device with deterministic text metrics.
//
// Every draw call is recorded with the font, colours and box in effect, so
// tests can assert what was drawn where.
#pragma once

#include "platform/host/host_types.h"
