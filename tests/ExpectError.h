// Expects a statement to fail with a kelpie::Error of the given kind.
#pragma once

#include <kelpie/Error.h>

#include <gtest/gtest.h>

#define EXPECT_KELPIE_ERROR(statement, kind)                                                       \
    EXPECT_THROW(                                                                                  \
        {                                                                                          \
            try {                                                                                  \
                statement;                                                                         \
            } catch (const kelpie::Error& error) {                                                 \
                EXPECT_EQ(error.Kind(), kind) << error.what();                                     \
                throw;                                                                             \
            }                                                                                      \
        },                                                                                         \
        kelpie::Error)
