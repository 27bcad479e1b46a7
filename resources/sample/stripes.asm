; Loads a headerless block of 24 attribute bytes (one per character row) through the ROM's
; LD-BYTES routine, then paints each row of the attribute area in its colour.

LD_BYTES  equ 0556h
ATTRS     equ 22528
ROWS      equ 24
COLUMNS   equ 32

          org 32768

start:    ld ix, table
          ld de, ROWS
          ld a, 0FFh          ; flag byte of a data block
          scf                 ; carry set: load, not verify
          call LD_BYTES
          ret nc              ; tape error or BREAK: leave the screen alone

          ld hl, ATTRS
          ld de, table
          ld b, ROWS
row:      ld a, (de)
          ld c, COLUMNS
cell:     ld (hl), a
          inc hl
          dec c
          jr nz, cell
          inc de
          djnz row
          ret

table:    defs ROWS

          end start
