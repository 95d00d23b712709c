start_plot
/* TARVO: mm-dd-yyyy Xscale: 500 Yscale: 500 */
0 penup
1 penup
265 450 acut
1 pendown
125 450 acut
125 263 acut
1 penup
1 penup
125 356 acut
1 pendown
218 356 acut
1 penup
1 penup
312 263 acut
1 pendown
312 450 acut
429 450 acut
453 427 acut
453 380 acut
429 356 acut
312 356 acut
1 penup
1 penup
382 356 acut
1 pendown
453 263 acut
1 penup
1 penup
500 263 acut
1 pendown
500 450 acut
570 356 acut
640 450 acut
640 263 acut
1 penup
1 penup
710 403 acut
1 pendown
757 450 acut
757 263 acut
1 penup
1 penup
710 263 acut
1 pendown
804 263 acut
1 penup
/* hand plot all points */
1334 138 acut
0 pendown
3690 2713 acut
7685 8271 acut
8867 17167 acut
9621 18337 acut
10418 19540 acut
0 19540 acut
-10419 19540 acut
-9622 18337 acut
-8868 17167 acut
-7686 8271 acut
-3691 2713 acut
-1335 138 acut
0 138 acut
1334 138 acut
0 penup
-375 8936 acut
0 pendown
-375 10686 acut
375 10686 acut
375 8936 acut
-375 8936 acut
0 penup
end_plot
