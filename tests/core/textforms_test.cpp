#include "core/textforms.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(AmountText, WritesTwoDecimalsWithAPoint)
{
    EXPECT_EQ(AmountText(12.5), u"12.50");
}

} // namespace
} // namespace tallyfox
