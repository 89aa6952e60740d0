object Form10: TForm10
  Caption = 'Form10'
  ClientWidth = 626
  ClientHeight = 445
  BorderStyle = bsSizeable
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  // the line read
  object Label1: TLabel
    Left = 16
    Top = 56
    Width = 200
    Height = 15
    Caption = 'Label1'
  end
  // line number for "Read!"
  object Edit1: TEdit
    Left = 16
    Top = 16
    Width = 96
    Height = 22
    Text = '0'
  end
  // "Write!"
  object Button1: TButton
    Left = 128
    Top = 14
    Width = 88
    Height = 28
    Caption = 'Write!'
    OnClick = Button1Click
  end
  // "Read!"
  object Button2: TButton
    Left = 224
    Top = 14
    Width = 88
    Height = 28
    Caption = 'Read!'
    OnClick = Button2Click
  end
  object Edit2: TEdit
    Left = 16
    Top = 96
    Width = 160
    Height = 22
    Text = 'Edit2'
  end
  object Edit3: TEdit
    Left = 16
    Top = 124
    Width = 160
    Height = 22
    Text = 'Edit3'
  end
  object Edit4: TEdit
    Left = 16
    Top = 152
    Width = 160
    Height = 22
    Text = 'Edit4'
  end
  object Edit5: TEdit
    Left = 16
    Top = 180
    Width = 160
    Height = 22
    Text = 'Edit5'
  end
  object ComboBox1: TComboBox
    Left = 16
    Top = 208
    Width = 160
    Height = 22
    Style = csDropDown
    Text = 'ComboBox1'
  end
end
