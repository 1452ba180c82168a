# The machine extends its own stone in atari: the extension that gives the group the most
# liberties, valued 40 + 50 × (liberties gained − 1) for a group in atari, so three liberties
# (90) beat an opening point (80).
clear_board
boardsize 19

# White K10 in atari (Black J10, K11, L10): on K9 it reaches three liberties (J9, L9, K8).
play white K10
play black J10
play black K11
play black L10
10 reg_genmove white
#? [K9]

# The same for Black, the colours the other way round: the machine side follows genmove.
clear_board
boardsize 19
play black K10
play white J10
play white K11
play white L10
20 reg_genmove black
#? [K9]

# A two-stone group in atari. White K10 and K9 (Black J10, K11, L10, J9, L9): its only liberty
# K8 gives three (J8, L8, K7).
clear_board
boardsize 19
play white K10
play white K9
play black J10
play black K11
play black L10
play black J9
play black L9
30 reg_genmove white
#? [K8]
# genmove plays it. The opening, asked during that genmove as on every machine turn, spent the
# top-left corner there: the machine now goes on with the sequence it began in that corner (a
# second point), or after a one-stone sequence starts the top-right corner.
31 genmove white
#? [K8]
32 play black C3
33 reg_genmove white
#? [E17|E16|D17|C15|D15|C16|C14|C13|D14|F17|F16|G17|R17|R16|R15|Q17|Q16|Q15|P17|P16]

# Two White stones in atari. E15 (Black D15, E16, F15) reaches three liberties on E14: 90.
# Q10 (Black P10, Q11, R10) joins White P9 on Q9 and reaches four (R9, Q8, O9, P8): 140. The
# scan meets E15 first, but the greater value wins.
clear_board
boardsize 19
play white E15
play white Q10
play white P9
play black D15
play black E16
play black F15
play black P10
play black Q11
play black R10
40 reg_genmove white
#? [Q9]

# A group with two liberties gains less from each liberty: White K10 (Black J10, K11) joins
# White M10 on L10 and reaches six liberties, worth 40 + 50 × 3 / 8 = 58 after truncation
# (each liberty beyond the first counts an eighth of what it counts for a group in atari).
# The opening point (80) is played instead.
clear_board
boardsize 19
play white K10
play white M10
play black J10
play black K11
50 reg_genmove white
#? [C17|C16|C15|D17|D16|D15|E17|E16]
