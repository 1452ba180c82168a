# The machine takes a human group in atari: the capture is worth 120, more than an opening
# point (80) or the extension of a machine stone in atari to three liberties (90), less than
# its extension to four (140). `play` puts down the human side's stones, `reg_genmove` asks
# the machine side; each position ends with a play of the human's colour, as in a real game.
clear_board
boardsize 19

# A lone Black stone on K10 in atari: its last liberty is K9.
#   J10 O, K11 O, L10 O around X on K10
play black K10
play white J10
play white K11
play white L10
play black C3
10 reg_genmove white
#? [K9]

# reg_genmove changed nothing: genmove plays the same capture and takes K10 off the board.
# Area count with no komi: White's four stones and the point K10 against Black's C3.
komi 0
11 genmove white
#? [K9]
12 final_score
#? [W\+4(\.0)?]
# The opening was asked during that genmove too, though the capture won, and spent the top-left
# corner: now the machine continues the sequence begun there (its second point), or, after a
# one-stone sequence, starts the top-right corner. Never a first point of the top-left corner
# such as D16 or C17 again.
13 reg_genmove white
#? [E17|E16|D17|C15|D15|C16|C14|C13|D14|F17|F16|G17|R17|R16|R15|Q17|Q16|Q15|P17|P16]

# Two Black stones in atari, K10 and L10, with the last liberty K9.
clear_board
boardsize 19
play black K10
play black L10
play white J10
play white K11
play white L11
play white M10
play white L9
play black C3
20 reg_genmove white
#? [K9]

# White to capture with colours the other way round: the machine is Black, White in atari on
# Q10 (liberty Q9).
clear_board
boardsize 19
play white Q10
play black P10
play black Q11
play black R10
play white C3
30 reg_genmove black
#? [Q9]

# Capture (120) against rescue (90). White K10 is in atari (Black J10, K11, L10) and would
# reach three liberties on K9; Black Q10 is in atari with its last liberty on Q9.
clear_board
boardsize 19
play white K10
play black J10
play black K11
play black L10
play black Q10
play white P10
play white Q11
play white R10
play black C3
40 reg_genmove white
#? [Q9]

# The same with a White stone on J9: the extension on K9 now joins it and reaches four
# liberties (H9, J8, K8, L9), worth 140, which beats the capture.
play white J9
play black D3
41 reg_genmove white
#? [K9]

# Two Black stones in atari: E15 (liberty E14) and Q10 (liberty Q9). The scan runs column by
# column from the left, so E15 is met first and the equal value of Q10 does not replace it.
clear_board
boardsize 19
play black Q10
play white P10
play white Q11
play white R10
play black E15
play white D15
play white F15
play white E16
play black C3
50 reg_genmove white
#? [E14]
