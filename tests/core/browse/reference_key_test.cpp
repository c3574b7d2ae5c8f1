#include "core/browse/reference_key.h"

#include <gtest/gtest.h>

#include <string>

namespace qorl {
namespace {

std::string KeyOf(std::string_view reference, int kind, std::string_view current = "") {
  const ReferenceKey result = ResolveReference(reference, kind, current);
  EXPECT_EQ(result.status, ReferenceStatus::Key) << reference;
  return result.key;
}

ReferenceStatus StatusOf(std::string_view reference, int kind) {
  return ResolveReference(reference, kind, "21").status;
}

TEST(ResolveReference, HandlesOnlyKindsOneToSeven) {
  for (int kind : {-1, 0, 8, 9, 10, 11, 12}) {
    const ReferenceKey result = ResolveReference("INT 21", kind, "21");
    EXPECT_EQ(result.status, ReferenceStatus::NotHandled) << kind;
    EXPECT_TRUE(result.key.empty());
  }
}

TEST(ResolveReference, InterruptListFunctionsAndRegisters) {
  EXPECT_EQ(KeyOf("INT 21", 1), "21    ");
  EXPECT_EQ(KeyOf("INT 21/AH=4Ch", 1), "214C  ");
  EXPECT_EQ(KeyOf("int 21/AH=4Ch", 1), "214C  ");  // the prefix is compared upper-cased
  EXPECT_EQ(KeyOf("INT 21/ah=4Ch", 1), "21    ");  // register names only in capitals
  EXPECT_EQ(KeyOf("INT 2F/AX=1607h/BX=0021h", 1), "2F1607BX0021");
  EXPECT_EQ(KeyOf("INT 10/AX=4F00h", 1), "104F00");
  EXPECT_EQ(KeyOf("INT 13/AL=01h", 1), "13  01");
  // AX wins over AH, AH over AL.
  EXPECT_EQ(KeyOf("INT 21/AH=44h/AX=4400h", 1), "214400");
  EXPECT_EQ(KeyOf("INT 21/AL=00h/AH=3Dh", 1), "213D  ");
  // Registers are tried in a fixed order; only the first present one counts.
  EXPECT_EQ(KeyOf("INT 15/AX=E820h/DX=534Dh/BX=0001h", 1), "15E820BX0001");
  EXPECT_EQ(KeyOf("INT 2F/AX=4A11h/BH=00h", 1), "2F4A11BH00");
  EXPECT_EQ(KeyOf("INT 2F/AX=4A11h/BL=02h", 1), "2F4A11BL02");
  EXPECT_EQ(KeyOf("INT 15/AH=C0h/CX=1234h", 1), "15C0  CX1234");
  EXPECT_EQ(KeyOf("INT 15/AH=C0h/CH=12h", 1), "15C0  CH12");
  EXPECT_EQ(KeyOf("INT 15/AH=C0h/CL=12h", 1), "15C0  CL12");
  EXPECT_EQ(KeyOf("INT 21/AX=5D0Ah/DX=1234h/DL=01h", 1), "215D0ADX1234");
  EXPECT_EQ(KeyOf("INT 21/AX=5D0Ah/DH=12h", 1), "215D0ADH12");
  EXPECT_EQ(KeyOf("INT 21/AX=5D0Ah/DL=12h", 1), "215D0ADL12");
  EXPECT_EQ(KeyOf("INT 2F/AX=1234h/BP=4321h", 1), "2F1234BP4321");
  EXPECT_EQ(KeyOf("INT 2F/AX=1234h/SI=4321h", 1), "2F1234SI4321");
  EXPECT_EQ(KeyOf("INT 2F/AX=1234h/SF=0001h", 1), "2F1234SF0001");
  EXPECT_EQ(KeyOf("INT 2F/AX=1234h/DI=4321h", 1), "2F1234DI4321");
  // Register values end at their 'h': short sub-functions do not drag the suffix into the key.
  EXPECT_EQ(KeyOf("INT 21/AH=E3h/SF=01h", 1), "21E3  SF01");
  EXPECT_EQ(KeyOf("AX=F211h/SF=06h", 1, "15"), "15F211SF06");
  EXPECT_EQ(KeyOf("INT 1A/AX=B10Ah/SF=8086h", 1), "1AB10ASF8086");
  EXPECT_EQ(KeyOf("INT 21/AX=5D0Ah/BX=12h/CX=9h", 1), "215D0ABX12");
  // Ranges past the end are cut.
  EXPECT_EQ(KeyOf("INT 2", 1), "2    ");
  EXPECT_EQ(KeyOf("INT 21/AX=4B", 1), "214B");
  EXPECT_EQ(KeyOf("INT 21/AH=", 1), "21  ");
}

TEST(ResolveReference, RelativeInterruptReferencesTakeTheTopicOnView) {
  EXPECT_EQ(KeyOf("AH=4Bh", 1, "21"), "214B  ");
  EXPECT_EQ(KeyOf("AX=4B00h", 1, "214B00"), "214B00");
  EXPECT_EQ(KeyOf("AL=01h", 1, "2F1600"), "2F  01");
  EXPECT_EQ(KeyOf("BX=0001h", 1, "2F1600"), "2F    BX0001");
  // Identifiers shorter than two characters give what there is.
  EXPECT_EQ(KeyOf("AH=4Bh", 1, "2"), "24B  ");
  EXPECT_EQ(KeyOf("AH=4Bh", 1, ""), "4B  ");
  // Neither "INT" nor an '=' at position 3: the wrong shape.
  EXPECT_EQ(StatusOf("DOS 2+", 1), ReferenceStatus::InvalidShape);
  EXPECT_EQ(StatusOf("EAX=1234h", 1), ReferenceStatus::InvalidShape);
  EXPECT_EQ(StatusOf("", 1), ReferenceStatus::InvalidShape);
}

TEST(ResolveReference, PortsMemoryAndCmos) {
  EXPECT_EQ(KeyOf("PORT 0060h-006Fh", 2), "P0060006F");
  EXPECT_EQ(KeyOf("PORT 0060h", 2), "P0060");
  EXPECT_EQ(KeyOf("port 0060h", 2), "P0060");
  // The range's end is read only with its dash at position 11 in a 16-character reference.
  EXPECT_EQ(KeyOf("PORT 0060-006F", 2), "P0060");
  EXPECT_EQ(KeyOf("PORT 03F8h\"SERIAL\"", 2), "P03F8");
  EXPECT_EQ(KeyOf("PORT 0", 2), "P0");
  EXPECT_EQ(StatusOf("PORTS 0060h", 2), ReferenceStatus::InvalidShape);
  EXPECT_EQ(StatusOf("INT 21", 2), ReferenceStatus::InvalidShape);

  EXPECT_EQ(KeyOf("MEM 0040h:0017h", 3), "M00400017");
  EXPECT_EQ(KeyOf("mem F000h:FFF5h", 3), "MF000FFF5");
  EXPECT_EQ(KeyOf("MEM 000F0000h", 3), "M000F0000");  // no colon at 10: 8 characters
  EXPECT_EQ(KeyOf("MEM 40h", 3), "M40h");
  EXPECT_EQ(StatusOf("MEMORY 0040h", 3), ReferenceStatus::InvalidShape);

  EXPECT_EQ(KeyOf("CMOS 32h", 4), "R32");
  EXPECT_EQ(KeyOf("cmos 7Eh\"AMD-645\"", 4), "R7E");
  EXPECT_EQ(StatusOf("CMOS32h", 4), ReferenceStatus::InvalidShape);
}

TEST(ResolveReference, FarCallsMsrsAndI2c) {
  EXPECT_EQ(KeyOf("@0060h:0003h", 5), "@00600003");
  EXPECT_EQ(KeyOf("@F000h:F84Dh", 5), "@F000F84D");
  EXPECT_EQ(StatusOf("0060h:0003h", 5), ReferenceStatus::InvalidShape);

  EXPECT_EQ(KeyOf("MSR 0000010h", 6), "S00000010");  // seven digits get a leading zero
  EXPECT_EQ(KeyOf("MSR C0010003h", 6), "SC0010003");
  EXPECT_EQ(KeyOf("MSR 10h", 6), "S10");
  EXPECT_EQ(KeyOf("MSR 00000010", 6), "S");  // no 'h': no digits
  EXPECT_EQ(StatusOf("MSRs", 6), ReferenceStatus::InvalidShape);

  EXPECT_EQ(KeyOf("I2C 03h", 7), "I03");
  EXPECT_EQ(KeyOf("I2C 00h/04h", 7), "I0004");
  EXPECT_EQ(KeyOf("I2C 86h/28h/1Ah", 7), "I8628  SF1A");
  EXPECT_EQ(KeyOf("I2C 86h/29h\"VPX 32xx\"", 7), "I8629");
  EXPECT_EQ(StatusOf("INT 21", 7), ReferenceStatus::InvalidShape);
}

TEST(ResolveReference, TitleQualifierRunsToTheLastCharacter) {
  EXPECT_EQ(ResolveReference("INT 2F/AX=1234h\"NAME\"", 1, "").title, "NAME");
  EXPECT_EQ(ResolveReference("INT 2F/AX=1234h\"NAME\"", 1, "").key, "2F1234");
  EXPECT_EQ(ResolveReference("INT 03\"CPU\"", 1, "").title, "CPU");
  EXPECT_EQ(ResolveReference("INT 03\"\"", 1, "").title, "");
  EXPECT_EQ(ResolveReference("INT 03\"", 1, "").title, "");
  EXPECT_EQ(ResolveReference("INT 03\"AB", 1, "").title, "A");  // no closing quote
  EXPECT_EQ(ResolveReference("INT 03", 1, "").title, "");
  EXPECT_EQ(ResolveReference("PORT 0278h\"PRINTER\"", 2, "").title, "PRINTER");
}

}  // namespace
}  // namespace qorl
