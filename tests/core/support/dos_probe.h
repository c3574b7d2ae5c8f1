// SPDX-License-Identifier: MIT
#pragma once
// Sources of tiny DOS programs (nasm, flat .COM) that the tests assemble and run through the DOS
// interpreter to see what a run looked like from inside DOS.

#include <string>

namespace qorl::test {

// The end of a probe: writes CX bytes at DX to the open file BX, closes it and exits. A failed
// create jumps to done.
inline constexpr const char* kWriteCloseExit = R"(  mov ah, 40h
  int 21h
  mov ah, 3Eh
  int 21h
done:
  mov ax, 4C00h
  int 21h
)";

// A program that writes the current drive letter and its own command tail into a file of the
// current folder: which drive was current and which command line arrived.
inline std::string DosProbeSource(const std::string& outputFile) {
  return std::string(R"(org 100h
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
)") + kWriteCloseExit +
         R"(fname db ')" + outputFile +
         R"(', 0
drive db 0
)";
}

// A program that runs COMBINE.COM of the current folder with its own command tail and records every
// time stamp the tool sets on a file (INT 21h AX=5701h: DX date, CX time) into STAMP.BIN, four
// bytes each, date first, little-endian. DOSBox accepts that call without changing the file, so the
// stamp is taken where the tool gives it.
inline std::string DosStampProbeSource() {
  return std::string(R"(org 100h
  mov sp, stack_top
  mov ah, 4Ah              ; keep only this program's memory; the rest is the tool's
  mov bx, (prog_end - $$ + 100h + 15) / 16
  int 21h
  mov ax, 3521h
  int 21h
  mov [old21], bx
  mov [old21 + 2], es
  mov ax, 2521h
  mov dx, hook
  int 21h
  mov [tail_seg], cs
  mov [fcb1_seg], cs
  mov [fcb2_seg], cs
  push cs
  pop es
  mov bx, params
  mov dx, program
  mov ax, 4B00h
  int 21h
  cli
  mov ax, cs
  mov ss, ax
  mov sp, stack_top
  sti
  push cs
  pop ds
  push ds
  lds dx, [old21]
  mov ax, 2521h
  int 21h
  pop ds
  mov ah, 3Ch
  xor cx, cx
  mov dx, logname
  int 21h
  jc done
  mov bx, ax
  mov cx, [loglen]
  mov dx, logbuf
)") + kWriteCloseExit +
         R"(hook:
  cmp ax, 5701h
  jne .chain
  push si
  mov si, [cs:loglen]
  cmp si, 64
  jae .full
  mov [cs:logbuf + si], dx
  mov [cs:logbuf + si + 2], cx
  add word [cs:loglen], 4
.full:
  pop si
.chain:
  jmp far [cs:old21]
old21 dd 0
params dw 0
  dw 80h
tail_seg dw 0
  dw 5Ch
fcb1_seg dw 0
  dw 6Ch
fcb2_seg dw 0
program db 'COMBINE.COM', 0
logname db 'STAMP.BIN', 0
loglen dw 0
logbuf times 64 db 0
  times 256 db 0
stack_top:
prog_end:
)";
}

}  // namespace qorl::test
