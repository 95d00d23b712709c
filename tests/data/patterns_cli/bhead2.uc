start_plot
/* TARVO: mm-dd-yyyy Xscale: 500 Yscale: 500 */
1 penup
125 125 acut
1 pendown
125 312 acut
242 312 acut
265 289 acut
265 242 acut
242 218 acut
125 218 acut
1 penup
1 penup
242 218 acut
1 pendown
265 195 acut
265 148 acut
242 125 acut
125 125 acut
1 penup
1 penup
312 125 acut
1 pendown
312 312 acut
1 penup
1 penup
453 125 acut
1 pendown
453 312 acut
1 penup
1 penup
312 218 acut
1 pendown
453 218 acut
1 penup
1 penup
500 289 acut
1 pendown
523 312 acut
617 312 acut
640 289 acut
640 242 acut
500 125 acut
640 125 acut
1 penup
/* hand plot all points */
0 penup
4000 0 acut
0 pendown
10375 2250 acut
15000 7250 acut
17125 14750 acut
18500 16000 acut
19500 17000 acut
0 17000 acut
-19500 17000 acut
-18500 16000 acut
-17125 14750 acut
-15000 7250 acut
-10375 2250 acut
-4000 0 acut
0 0 acut
4000 0 acut
0 penup
-375 8936 acut
0 pendown
-375 10686 acut
375 10686 acut
375 8936 acut
-375 8936 acut
0 penup
end_plot
