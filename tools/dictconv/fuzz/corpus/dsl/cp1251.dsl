#NAME "Тест"
#SOURCE_CODE_PAGE "Windows-1251"
#INDEX_LANGUAGE "Russian"
#CONTENTS_LANGUAGE "English"

дом
домик
	[m1][trn]house, [i]a home[/i][/trn][/m]
кот
	[m1][trn]cat[/trn][/m]
	[m2][ex]~ик[/ex] kitten {{diminutive}}[s]kot.wav[/s]
