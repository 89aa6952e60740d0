object GroupBox7: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Units Conversion Data '
  object Label612: TLabel
    Left = 16
    Top = 28
    Width = 60
    Height = 13
    Caption = 'Distance'
  end
  object Edit80: TEdit
    Left = 16
    Top = 44
    Width = 90
    Height = 21
    Text = '1'
  end
  object Label613: TLabel
    Left = 16
    Top = 76
    Width = 60
    Height = 13
    Caption = 'Temperature'
  end
  object Edit85: TEdit
    Left = 16
    Top = 92
    Width = 90
    Height = 21
    Text = '25'
  end
end
