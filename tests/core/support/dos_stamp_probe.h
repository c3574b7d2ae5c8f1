// SPDX-License-Identifier: MIT
#pragma once
// Source of a small DOS program (nasm, flat .COM) that runs COMBINE.COM of the current folder
// with its own command tail and records every time stamp the tool sets on a file (INT 21h
// AX=5701h: DX date, CX time) into STAMP.BIN, four bytes each, date first, little-endian. DOSBox
// accepts that call without changing the file, so the stamp is taken where the tool gives it.

#include <string>

namespace qorl::test {

inline std::string DosStampProbeSource() {
  return R"(org 100h
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
  mov ah, 40h
  mov cx, [loglen]
  mov dx, logbuf
  int 21h
  mov ah, 3Eh
  int 21h
done:
  mov ax, 4C00h
  int 21h
hook:
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
