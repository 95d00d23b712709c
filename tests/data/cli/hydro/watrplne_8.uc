start_plot
/* TARVO: DATE Xscale: 500 Yscale: 500 */
0 437 acut
0 pendown
4716 2349 acut
9433 4369 acut
14000 6388 acut
19050 8580 acut
24100 10519 acut
29000 11993 acut
35383 13180 acut
41766 13575 acut
48000 13250 acut
55383 12088 acut
62766 10385 acut
70000 8500 acut
70000 -8500 acut
62766 -10386 acut
55383 -12089 acut
48000 -13250 acut
41766 -13576 acut
35383 -13181 acut
29000 -11994 acut
24100 -10520 acut
19050 -8581 acut
14000 -6389 acut
9433 -4370 acut
4716 -2350 acut
0 -438 acut
0 penup
end_plot
