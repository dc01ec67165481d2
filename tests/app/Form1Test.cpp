#include "app/Form1.h"

#include <gtest/gtest.h>

TEST(Form1, HasItsCaption) {
  Form1 form;
  EXPECT_EQ(form.Caption(), QStringLiteral("Belmora - Vokrantov test inteligencije"));
}
