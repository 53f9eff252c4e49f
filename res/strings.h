// The program's texts that live among its resources, and its version.
#pragma once

#define IDS_ABOUTBOX_TEXT "&About Kelvane..."

#define KELVANE_VERSION_NUMBERS 2, 0, 0, 0
#define KELVANE_VERSION_TEXT "2.0.0.0"
