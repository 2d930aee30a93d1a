// The file's shared IR codes and icons: one object per record position,
// found again by position, with a count of the references to it.
#include <kelpie/model/SharedRecords.h>

#include "load/ModelBuilder.h"
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

IRCodeRecord CodeOfType(std::int16_t type) {
    return {10, 0, type};
}

TEST(SharedRecords, AddedIRCodeHoldsItsBytesAndType999) {
    IRCodes codes;
    const std::vector<std::uint8_t> data{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    IRCode& code = codes.Add(data);
    EXPECT_EQ(code.Size(), 16);
    EXPECT_EQ(code.IRCodeSize(), 10);
    EXPECT_EQ(code.IRCodeType(), 999);
    EXPECT_EQ(code.IRCodeData(), data);
    EXPECT_EQ(code.ReferenceCount(), 1);
}

TEST(SharedRecords, ReferencesToOnePositionShareOneObject) {
    IRCodes codes;
    IRCode& first = ModelBuilder::FindOrAdd(codes, 200, CodeOfType(0x0100));
    IRCode& other = ModelBuilder::FindOrAdd(codes, 300, CodeOfType(0x5000));
    EXPECT_EQ(&ModelBuilder::FindOrAdd(codes, 200, CodeOfType(0x7777)), &first);
    EXPECT_EQ(&ModelBuilder::FindOrAdd(codes, 200, CodeOfType(0x7777)), &first);
    EXPECT_EQ(first.ReferenceCount(), 3);
    EXPECT_EQ(first.IRCodeType(), 0x0100) << "the first record read stays";
    EXPECT_EQ(other.ReferenceCount(), 1);
    EXPECT_EQ(&codes.Item(2), &other);

    Icons icons;
    Icon& icon = ModelBuilder::FindOrAdd(icons, 500, IconRecord{.Width = 4});
    EXPECT_EQ(&ModelBuilder::FindOrAdd(icons, 500, IconRecord{}), &icon);
    EXPECT_EQ(icon.ReferenceCount(), 2);
    EXPECT_EQ(icon.Width(), 4);
}

TEST(SharedRecords, RemovingForgetsThePositionHoweverTheCollectionIsReached) {
    IRCodes codes;
    ModelBuilder::FindOrAdd(codes, 200, CodeOfType(1));
    ModelBuilder::FindOrAdd(codes, 300, CodeOfType(2));
    codes.Remove(1);
    EXPECT_EQ(codes.Find(200), nullptr);
    EXPECT_EQ(codes.Find(300), &codes.Item(1));

    Collection<IRCode>& plain = codes; // the index must follow here too
    plain.Remove(1);
    EXPECT_EQ(codes.Find(300), nullptr);
    IRCode& fresh = ModelBuilder::FindOrAdd(codes, 300, CodeOfType(3));
    EXPECT_EQ(fresh.ReferenceCount(), 1);
    EXPECT_EQ(fresh.IRCodeType(), 3);
}

} // namespace
