// The bytes of a file header, each field put at its offset. The colour
// format (Version2 other than 1) has a 76-byte header ending in RFChannel;
// the grey formats stop after Filler4 at 74 bytes.
#pragma once

#include "file/BigEndianBytes.h"
#include <kelpie/file/basStructures.h>

inline BigEndianBytes HeaderImage(const kelpie::HeaderRecord& h) {
    const bool colour = h.Version2 != 1;
    // Version3 = 60 stores the special panels before the attributes.
    const bool swapped = h.Version3 == 60;
    BigEndianBytes b(colour ? 76 : 74);
    b.LongAt(0, h.VersionStringPosition)
        .LongAt(4, h.Filler1)
        .TextAt(8, h.ID1.substr(0, 8))
        .LongAt(16, h.PosCRC1)
        .WordAt(20, h.Year)
        .ByteAt(22, h.Month)
        .ByteAt(23, h.Day)
        .ByteAt(24, h.Filler2)
        .ByteAt(25, h.Hour)
        .ByteAt(26, h.Minute)
        .ByteAt(27, h.Second)
        .LongAt(28, h.Filler3)
        .TextAt(32, h.ID2.substr(0, 4))
        .WordAt(36, h.Version1)
        .WordAt(38, h.Version2)
        .LongAt(40, h.PosCRC2)
        .LongAt(44, h.Version3)
        .LongAt(48, h.PosHomeGroup)
        .LongAt(52, h.PosDeviceGroup)
        .LongAt(56, h.PosMacroGroup)
        .LongAt(60, h.PosNextTimer)
        .LongAt(swapped ? 68 : 64, h.Attributes)
        .LongAt(swapped ? 64 : 68, h.PosSpecialPanels)
        .WordAt(72, h.Filler4);
    if (colour) b.WordAt(74, h.RFChannel);
    return b;
}

// A header of the second grey format with nothing to follow.
inline kelpie::HeaderRecord GreyHeader() {
    kelpie::HeaderRecord h;
    h.ID1 = "TESTCCF1";
    h.ID2 = "TST2";
    h.Version1 = 1; // not 0: the second grey format
    h.Version2 = 1; // 1: a grey format
    return h;
}
