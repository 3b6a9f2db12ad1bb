#include "framework/basics/CClassRegistry.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/CString.hpp"
#include "framework/basics/CSystemString.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Corvane::Basics;

TEST(CClass, ProbeCompiles)
{
    CString text("x");
    EXPECT_STREQ(text.getClass().getClassName(), "CString");
}
