#NAME "x"

colo(u)r
{to }go
	[m1][trn]a [b]hue[/b][/trn] of ~[/m]
	[s]a.wav[/s]{{c}} [zz]x[/zz] \[e\]
	@ ~ful
	full
	@

orphan
