start_plot
/* TARVO: mm-dd-yyyy Xscale: 500 Yscale: 500 */
1 penup
260 289 acut
1 pendown
237 312 acut
143 312 acut
120 289 acut
120 242 acut
143 218 acut
237 218 acut
260 195 acut
260 148 acut
237 125 acut
143 125 acut
120 148 acut
1 penup
1 penup
307 312 acut
1 pendown
448 312 acut
1 penup
1 penup
377 312 acut
1 pendown
377 125 acut
1 penup
1 penup
635 312 acut
1 pendown
495 312 acut
495 125 acut
635 125 acut
1 penup
1 penup
495 218 acut
1 pendown
588 218 acut
1 penup
1 penup
682 125 acut
1 pendown
682 312 acut
752 218 acut
823 312 acut
823 125 acut
1 penup
/* hand plot all points */
0 penup
5 0 acut
0 pendown
375 2438 acut
750 8438 acut
1000 18438 acut
1000 20438 acut
1000 22438 acut
-1000 22438 acut
-1000 20438 acut
-1000 18438 acut
-750 8438 acut
-375 2438 acut
-5 0 acut
5 0 acut
0 penup
end_plot
