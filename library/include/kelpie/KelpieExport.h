// Symbol visibility of the Kelpie library. The library is built with hidden
// visibility; KELPIE_API marks the classes and functions that programs may
// link against. What only the library itself may call (the loader's setters)
// is private to the classes, reached through the library's own friends.
#pragma once

#define KELPIE_API __attribute__((visibility("default")))
