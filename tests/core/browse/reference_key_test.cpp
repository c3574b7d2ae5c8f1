// SPDX-License-Identifier: MIT
#include "core/browse/reference_key.h"

#include <gtest/gtest.h>

namespace qorl {
namespace {

struct KeyCase {
  int kind;
  const char* reference;
  const char* key;  // nullptr: the wrong shape
  const char* current = "21";
};

TEST(ResolveReference, BuildsKeysForEveryListShape) {
  const KeyCase cases[] = {
      // INTERRUP.LST: interrupt, function (AX, AH or AL) and the first register present.
      {1, "INT 21", "21    "},
      {1, "INT 21/AH=4Ch", "214C  "},
      {1, "int 21/AH=4Ch", "214C  "},  // the prefix is compared upper-cased...
      {1, "INT 21/ah=4Ch", "21    "},  // ...register names only in capitals
      {1, "INT 2F/AX=1607h/BX=0021h", "2F1607BX0021"},
      {1, "INT 13/AL=01h", "13  01"},
      {1, "INT 21/AH=44h/AX=4400h", "214400"},  // AX before AH before AL
      {1, "INT 21/AL=00h/AH=3Dh", "213D  "},
      {1, "INT 15/AX=E820h/DX=534Dh/BX=0001h", "15E820BX0001"},  // registers in a fixed order
      {1, "INT 2F/AX=4A11h/BH=00h", "2F4A11BH00"},
      {1, "INT 2F/AX=4A11h/BL=02h", "2F4A11BL02"},
      {1, "INT 15/AH=C0h/CX=1234h", "15C0  CX1234"},
      {1, "INT 15/AH=C0h/CH=12h/CL=1h", "15C0  CH12"},
      {1, "INT 15/AH=C0h/CL=12h", "15C0  CL12"},
      {1, "INT 21/AX=5D0Ah/DX=1234h/DL=01h", "215D0ADX1234"},
      {1, "INT 21/AX=5D0Ah/DH=12h", "215D0ADH12"},
      {1, "INT 21/AX=5D0Ah/DL=12h", "215D0ADL12"},
      {1, "INT 2F/AX=1234h/BP=4321h", "2F1234BP4321"},
      {1, "INT 2F/AX=1234h/SI=4321h", "2F1234SI4321"},
      {1, "INT 1A/AX=B10Ah/SF=8086h", "1AB10ASF8086"},
      {1, "INT 2F/AX=1234h/DI=4321h", "2F1234DI4321"},
      // Register values end at their 'h': short sub-functions keep the suffix out of the key.
      {1, "INT 21/AH=E3h/SF=01h", "21E3  SF01"},
      {1, "INT 2", "2    "},  // ranges past the end are cut
      {1, "INT 21/AX=4B", "214B"},
      // Relative references take the interrupt from the topic on view, or what there is of it.
      {1, "AH=4Bh", "214B  ", "21"},
      {1, "AL=01h", "2F  01", "2F1600"},
      {1, "AX=F211h/SF=06h", "15F211SF06", "15"},
      {1, "AH=4Bh", "24B  ", "2"},
      {1, "AH=4Bh", "4B  ", ""},
      {1, "DOS 2+", nullptr},
      {1, "EAX=1234h", nullptr},
      // PORTS.LST: the range end needs its dash at 11 in 16 or more characters.
      {2, "PORT 0060h-006Fh", "P0060006F"},
      {2, "port 0060h", "P0060"},
      {2, "PORT 0060-006F", "P0060"},
      {2, "PORT 03F8h\"SERIAL\"", "P03F8"},
      {2, "PORTS 0060h", nullptr},
      // MEMORY.LST: segment:offset with the colon at 10, else eight characters.
      {3, "MEM 0040h:0017h", "M00400017"},
      {3, "mem F000h:FFF5h", "MF000FFF5"},
      {3, "MEM 000F0000h", "M000F0000"},
      {3, "INT 21", nullptr},
      {4, "CMOS 32h", "R32"},
      {4, "cmos 7Eh\"AMD-645\"", "R7E"},
      {4, "CMOS32h", nullptr},
      {5, "@0060h:0003h", "@00600003"},
      {5, "0060h:0003h", nullptr},
      // MSR.LST: the digits before the first 'h'; seven of them get a leading zero.
      {6, "MSR 0000010h", "S00000010"},
      {6, "MSR C0010003h", "SC0010003"},
      {6, "MSR 00000010", "S"},
      {6, "MSRs", nullptr},
      // I2C.LST: device, register after '/' at 8, sub-function after '/' at 12.
      {7, "I2C 03h", "I03"},
      {7, "I2C 00h/04h", "I0004"},
      {7, "I2C 86h/28h/1Ah", "I8628  SF1A"},
      {7, "I2C 86h/29h\"VPX 32xx\"", "I8629"},
      {7, "INT 15", nullptr},
  };
  for (const KeyCase& c : cases) {
    const ReferenceKey result = ResolveReference(c.reference, c.kind, c.current);
    SCOPED_TRACE(c.reference);
    if (c.key == nullptr) {
      EXPECT_EQ(result.status, ReferenceStatus::InvalidShape);
    } else {
      EXPECT_EQ(result.status, ReferenceStatus::Key);
      EXPECT_EQ(result.key, c.key);
    }
  }
  for (int kind : {-1, 0, 8, 9, 10, 11})
    EXPECT_EQ(ResolveReference("INT 21", kind, "21").status, ReferenceStatus::NotHandled);
}

TEST(ResolveReference, TitleQualifierRunsToTheLastCharacter) {
  const ReferenceKey named = ResolveReference("INT 2F/AX=1234h\"NAME\"", 1, "");
  EXPECT_EQ(named.key, "2F1234");
  EXPECT_EQ(named.title, "NAME");
  EXPECT_EQ(ResolveReference("INT 03\"\"", 1, "").title, "");
  EXPECT_EQ(ResolveReference("INT 03\"", 1, "").title, "");
  EXPECT_EQ(ResolveReference("INT 03\"AB", 1, "").title, "A");  // no closing quote
  EXPECT_EQ(ResolveReference("INT 03", 1, "").title, "");
}

}  // namespace
}  // namespace qorl
