10 REM Murax demo: a BASIC loader, a code block and a headerless colour table
20 CLEAR 32767
30 BORDER 0: PAPER 0: INK 7: CLS
40 PRINT AT 10,7;"Murax demo tape"
50 LOAD "" CODE
60 RANDOMIZE USR 32768
70 PRINT AT 21,0;"Press a key": PAUSE 0
