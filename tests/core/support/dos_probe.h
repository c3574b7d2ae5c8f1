// SPDX-License-Identifier: MIT
#pragma once
// Source of a tiny DOS program (nasm, flat .COM) that writes the current drive letter and its own
// command tail into a file of the current folder. A test assembles it and runs it through the
// DOS interpreter to see which drive was current and which command line arrived.

#include <string>

namespace qorl::test {

inline std::string DosProbeSource(const std::string& outputFile) {
  return R"(org 100h
  mov ah, 19h        ; current drive, 0 = A:
  int 21h
  add al, 'A'
  mov [drive], al
  mov ah, 3Ch        ; create the output file
  xor cx, cx
  mov dx, fname
  int 21h
  jc done
  mov bx, ax
  mov ah, 40h        ; drive letter
  mov cx, 1
  mov dx, drive
  int 21h
  mov cl, [80h]      ; command tail
  xor ch, ch
  mov dx, 81h
  mov ah, 40h
  int 21h
  mov ah, 3Eh
  int 21h
done:
  mov ax, 4C00h
  int 21h
fname db ')" +
         outputFile +
         R"(', 0
drive db 0
)";
}

}  // namespace qorl::test
