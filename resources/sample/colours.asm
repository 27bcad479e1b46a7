; The headerless block's contents: one attribute byte per character row, the rainbow bands in
; bright paper (red, yellow, green, cyan, black ink) between black rows (white ink).

BRIGHT    equ 40h
BLACK     equ 7               ; black paper, white ink
RED       equ 2 * 8 + BRIGHT
YELLOW    equ 6 * 8 + BRIGHT
GREEN     equ 4 * 8 + BRIGHT
CYAN      equ 5 * 8 + BRIGHT

          defb BLACK, BLACK, BLACK, BLACK, BLACK, BLACK, BLACK, BLACK
          defb RED, RED, YELLOW, YELLOW, GREEN, GREEN, CYAN, CYAN
          defb BLACK, BLACK, BLACK, BLACK, BLACK, BLACK, BLACK, BLACK
