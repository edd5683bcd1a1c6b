Declare @N Int
Set @N = (Select Count(*) From Koll)
If @N > 0 Select 'yes' Else Select 'no'
