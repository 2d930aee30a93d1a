// Symbol visibility of the Kelpie library. The library is built with hidden
// visibility; KELPIE_API marks what programs may link against. Members marked
// KELPIE_INTERNAL stay hidden even inside an exported class: they are the
// loader's setters, which only the library itself (and the tests, which link
// the static archive) may call.
#pragma once

#define KELPIE_API __attribute__((visibility("default")))
#define KELPIE_INTERNAL __attribute__((visibility("hidden")))
