start_plot
/* TARVO: mm-dd-yyyy Xscale: 500 Yscale: 500 */
1 penup
242 125 acut
1 pendown
242 312 acut
125 171 acut
265 171 acut
1 penup
1 penup
312 125 acut
1 pendown
453 312 acut
1 penup
1 penup
312 312 acut
1 pendown
453 125 acut
1 penup
1 penup
523 218 acut
1 pendown
500 242 acut
500 289 acut
523 312 acut
617 312 acut
640 289 acut
640 242 acut
617 218 acut
523 218 acut
500 195 acut
500 148 acut
523 125 acut
617 125 acut
640 148 acut
640 195 acut
617 218 acut
1 penup
1 penup
0 0 acut
1 pendown
48000 0 acut
48000 24000 acut
0 24000 acut
0 0 acut
1 penup
end_plot
