Select PatIndex('%[0-9]%', 'ab12'), SubString('abcdef', 2, 3), LTrim(RTrim('  x ')), Len('abc '), IsNull(Null, 'n'), Cast('12' As Int) + 1, '1' + '2', COL_LENGTH('Koll', 'Koll')
