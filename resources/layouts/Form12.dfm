object Form12: TForm12
  Caption = 'Crosstalk Calculator'
  ClientWidth = 580
  ClientHeight = 579
  BorderStyle = bsDialog
  Position = poScreenCenter
  object Label7: TLabel
    Left = 16
    Top = 20
    Width = 14
    Height = 13
    Caption = 'Er'
  end
  object Edit7: TEdit
    Left = 40
    Top = 16
    Width = 60
    Height = 21
    Text = '4.6'
  end
end
