// IR codes and icons: shared records, shown once for every use the walk
// reaches (an IR code per action that sends it, an icon per object that
// shows it). Neither registers itself: the file registers its IR codes and
// icons once each from the library's shared collections.
#include "walk/Walker.h"

namespace vantor {

void Walker::DoIRCode(kelpie::IRCode& code, const Node& parentNode, bool expand) {
    const Level level(depth_);
    output_.IRCode(code, parentNode, expand);
}

void Walker::DoIcon(kelpie::Icon& icon, const std::string& type, bool printIcon,
                    const Node& parentNode, bool expand, std::int32_t x, std::int32_t y) {
    const Level level(depth_);
    output_.Icon(icon, type, printIcon, parentNode, expand, x, y, AtRoot());
}

} // namespace vantor
