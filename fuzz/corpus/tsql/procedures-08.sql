-- Organisational units: every person belongs to one. The unit code is numeric.
Create Procedure sp_Depended_Depart
    @Code Varchar(20)
As
Select (Select Count(*) From Person
        Where Vahd Is Not Null And Cast(Vahd As Varchar(20)) = LTrim(RTrim(@Code)))
       As UsedCount
